#include "logviewer.h"

#include "desktop/messagebox.h"
#include "desktop/paths.h"
#include "desktop/twips.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStringDecoder>

namespace {

const QLatin1String LogFileName("logfile.log");

// Lines are UTF-8; a line that is not (an older log written in a single-byte code page)
// is read as Latin-1 so that every byte still shows.
QString decodeLog(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    text.clear();
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
        const QByteArrayView line = QByteArrayView(bytes).sliced(start, end - start);
        QStringDecoder lineDecoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString decoded = lineDecoder.decode(line);
        text.append(lineDecoder.hasError() ? QString::fromLatin1(line) : decoded);
        start = end;
    }
    return text;
}

} // namespace

LogViewer::LogViewer(const QString& logPath, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_path(logPath)
{
    setObjectName(QStringLiteral("viewer"));
    setWindowTitle(tr("Log File Viewer"));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSizeF(8.25);
    setFont(tahoma);
    setFixedSize(twips(0, 0, 7650, 6840).size());

    m_textBox = new QPlainTextEdit(this);
    m_textBox->setObjectName(QStringLiteral("Text1"));
    m_textBox->setAccessibleName(tr("Log file"));
    m_textBox->setGeometry(twips(240, 120, 7215, 6015));
    m_textBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_textBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_textBox->setTabChangesFocus(true);
    // Nothing typed could be kept, so nothing can be typed; the caret still moves through the
    // lines for screen readers and keyboard selection.
    m_textBox->setReadOnly(true);
    m_textBox->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QPalette menuColour = m_textBox->palette();
    menuColour.setBrush(QPalette::Base, menuColour.brush(QPalette::Window));
    m_textBox->setPalette(menuColour);

    m_exitButton = new QPushButton(tr("&Exit"), this);
    m_exitButton->setObjectName(QStringLiteral("Command1"));
    m_exitButton->setGeometry(twips(3218, 6360, 1215, 375));
    // Esc reaches the dialog's reject, the same as a press on Exit.
    connect(m_exitButton, &QPushButton::clicked, this, &QDialog::reject);
    // The text has the focus at first, so the keys scroll it straight away.
    m_textBox->setFocus();

    const QScreen* screen = parent ? parent->screen() : this->screen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());
}

bool LogViewer::load()
{
    m_text.clear();
    m_textBox->clear();
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;

    // Lines end at LF, a CR before it belongs to the line end, and a last line without an
    // end is a line too. Each line is a paragraph of its own, so that screen readers read
    // plain line breaks.
    const QString text = decodeLog(bytes);
    QString shown;
    m_text.reserve(text.size() + text.size() / 16);
    shown.reserve(text.size());
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        const qsizetype next = end < 0 ? text.size() : end + 1;
        if (end < 0)
            end = text.size();
        if (end > start && text[end - 1] == QLatin1Char('\r'))
            --end;
        const QStringView line = QStringView(text).sliced(start, end - start);
        m_text.append(line).append(QLatin1String("\r\n"));
        shown.append(line).append(QLatin1Char('\n'));
        start = next;
    }
    m_textBox->setPlainText(shown);
    // The newest event is the last line, before the empty one after the last line break: the
    // viewer opens there.
    m_textBox->moveCursor(QTextCursor::End);
    m_textBox->moveCursor(QTextCursor::PreviousBlock);
    return true;
}

QString findLogFile(const QString& folder)
{
    const QDir dir(folder);
    const QString written = QFileInfo(Paths::logFile()).fileName();
    // Ordinary files only: a pipe of that name would block the read for good.
    const QStringList names = dir.entryList(QDir::Files, QDir::Name);
    QString found;
    for (const QString& name : names) {
        if (name.compare(LogFileName, Qt::CaseInsensitive) != 0)
            continue;
        if (name == written || found.isEmpty())
            found = name;
    }
    return found.isEmpty() ? QString() : dir.filePath(found);
}

void viewLogFile(QWidget* parent)
{
    const QString path = findLogFile(QFileInfo(Paths::logFile()).absolutePath());
    if (!path.isEmpty()) {
        LogViewer window(path, parent);
        // The file can go, or turn out unreadable, between the look-up and the read.
        if (window.load()) {
            window.exec();
            return;
        }
    }
    showMessage(parent, LogViewer::tr("No LogFile exits..."));
}
