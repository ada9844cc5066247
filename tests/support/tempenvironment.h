#pragma once

#include <QStringList>
#include <QTemporaryDir>
#include <ostream>

// Qt's strings as text in test failures.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// A home of the test's own (XDG folders and the working folder in a fresh temporary folder);
// message boxes, questions and the program's end are recorded instead of happening.
class TempEnvironment {
public:
    TempEnvironment();
    ~TempEnvironment();
    QString root() const { return m_dir.path(); }
    QStringList messages;  // the texts of the message boxes shown, in order
    QStringList questions; // asked so far; each gets questionAnswer
    bool questionAnswer = false;
    int programEnds = 0;

private:
    QTemporaryDir m_dir;
    QString m_previousWorkingDir;
};
