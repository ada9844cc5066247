#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QPushButton;

// The log viewer: shows the event log as text, each line as the file holds it, read only and
// opened at the newest line; of a log larger than a few MB, the newest lines and a note that
// only the end is shown; of a line of thousands of characters, its start and a note that it
// was cut.
class LogViewer : public QDialog {
    Q_OBJECT

public:
    explicit LogViewer(const QString& logPath, QWidget* parent = nullptr);

    // Reads the log into m_textBox. Returns "", or the message to show instead, with the text
    // left empty: "No LogFile exits..." when the file is gone, otherwise one naming the file
    // and the reason (a folder, not a regular file, unreadable).
    QString load();
    // The text as built from the file: every line, LF or CR LF ended or the last one
    // without an end, followed by CR LF. The text box shows the same lines, long ones cut.
    const QString& logText() const { return m_text; }

private:
    QString m_path;
    QString m_text;
    QPlainTextEdit* m_textBox = nullptr;
    QPushButton* m_exitButton = nullptr;
};

// The event log in `folder` whatever the letter case of its name ("LogFile.log",
// "LOGFILE.LOG", ...); empty when there is none. The name the program writes wins when
// several differ only in case.
QString findLogFile(const QString& folder);

// The "View" button: shows the log modally over `parent`, or the message "No LogFile
// exits..." when there is no log, or why it cannot be read.
void viewLogFile(QWidget* parent);
