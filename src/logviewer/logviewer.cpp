#include "logviewer.h"

#include "desktop/messagebox.h"
#include "desktop/paths.h"
#include "desktop/regularfile.h"
#include "desktop/twips.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStringDecoder>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QLatin1String LogFileName("logfile.log");
// The most of a log the viewer reads, from its end: about 100,000 events.
constexpr qint64 ShownBytes = 4 * 1024 * 1024;
// The most of one line the text box shows. Qt lays out a line that has nowhere to break in time
// that grows with the square of its length (wrapping tries every place in it): a line of 1 MB held
// the viewer, and the scheduler with it, for over a minute. An event's line is some 40 characters.
constexpr qsizetype ShownLineLength = 2000;
// The most lines the text box shows. Each is a block of its document, which takes Qt microseconds
// to make: 4 MB of empty lines took over ten seconds. 4 MB of events are some 110,000 lines.
constexpr qsizetype ShownLines = 120000;

// Lines are UTF-8; a line that is not (an older log written in a single-byte code page)
// is read as Latin-1 so that every byte still shows.
QString decodeLog(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    // Either way a line gives at most one UTF-16 unit for each of its bytes, so the lines are
    // decoded straight into the text, without a string for each of up to millions of lines.
    text.resize(utf8.requiredSpace(bytes.size()));
    QChar* out = text.data();
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
        const QByteArrayView line = QByteArrayView(bytes).sliced(start, end - start);
        utf8.resetState();
        QChar* const decoded = utf8.appendToBuffer(out, line);
        out = utf8.hasError()
                  ? std::transform(line.begin(), line.end(), out, [](char c) { return QChar(uchar(c)); })
                  : decoded;
        start = end;
    }
    text.truncate(out - text.constData());
    return text;
}

// Appends a line to the text box's text, cut with a note saying its length when it is long.
void appendShownLine(QString& shown, QStringView line)
{
    if (line.size() <= ShownLineLength) {
        shown.append(line);
    } else {
        // A character made of two UTF-16 units is not cut in two.
        const qsizetype cut = line[ShownLineLength].isLowSurrogate() ? ShownLineLength - 1 : ShownLineLength;
        const auto pairs =
            std::count_if(line.begin(), line.end(), [](QChar c) { return c.isLowSurrogate(); });
        shown.append(line.first(cut))
            .append(LogViewer::tr("… (line cut: %L1 characters)").arg(line.size() - pairs));
    }
    shown.append(QLatin1Char('\n'));
}

} // namespace

LogViewer::LogViewer(const QString& logPath, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_path(logPath)
{
    setObjectName(QStringLiteral("viewer"));
    setWindowTitle(tr("Log File Viewer"));

    m_textBox = new QPlainTextEdit;
    m_textBox->setObjectName(QStringLiteral("Text1"));
    m_textBox->setAccessibleName(tr("Log file"));
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
    m_exitButton->setMinimumSize(px(1215), px(375));
    // Esc reaches the dialog's reject, the same as a press on Exit.
    connect(m_exitButton, &QPushButton::clicked, this, &QDialog::reject);
    // The text has the focus at first, so the keys scroll it straight away.
    m_textBox->setFocus();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(px(240), px(120), px(195), px(105));
    layout->setSpacing(px(225));
    layout->addWidget(m_textBox, 1);
    layout->addWidget(m_exitButton, 0, Qt::AlignHCenter);
    // The classic size is the smallest; in a larger font the window grows to show an event's
    // line whole, and about twenty of them.
    const QFontMetrics metrics = m_textBox->fontMetrics();
    const QSize lines(metrics.horizontalAdvance(QStringLiteral("\"PowerOff refused at 10:15:00 PM on 12/30/2026\"")),
                      20 * metrics.lineSpacing());
    resize(sizeHint().expandedTo(lines + QSize(px(1200), px(1200))).expandedTo(twips(0, 0, 7650, 6840).size()));

    const QScreen* screen = parent ? parent->screen() : this->screen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());
}

QString LogViewer::load()
{
    m_text.clear();
    m_textBox->clear();
    const FileContent file = readRegularFile(m_path, ShownBytes, FilePart::End);
    if (file.missing)
        return tr("No LogFile exits...");
    if (!file.error.isEmpty())
        return tr("The log file %1 cannot be shown: %2").arg(QDir::toNativeSeparators(m_path), file.error);
    QByteArray bytes = file.data;
    if (file.partial) // the first line read is the end of an older one
        bytes.remove(0, bytes.indexOf('\n') + 1);

    // Lines end at LF, a CR before it belongs to the line end, and a last line without an
    // end is a line too. Each line is a paragraph of its own, so that screen readers read
    // plain line breaks.
    const QString text = decodeLog(bytes);
    const qsizetype lines = text.count(QLatin1Char('\n')) + (text.endsWith(QLatin1Char('\n')) ? 0 : 1);
    qsizetype hidden = qMax<qsizetype>(0, lines - ShownLines);
    QString shown;
    if (hidden > 0)
        shown =
            tr("(Only the end of the log is shown: the last %L1 lines.)").arg(ShownLines) + QLatin1Char('\n');
    else if (file.partial)
        shown = tr("(Only the end of the log is shown: the last %1 MB.)").arg(ShownBytes / (1024 * 1024)) +
                QLatin1Char('\n');
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
        if (hidden > 0)
            --hidden;
        else
            appendShownLine(shown, line);
        start = next;
    }
    m_textBox->setPlainText(shown);
    // The newest event is the last line, before the empty one after the last line break: the
    // viewer opens there.
    m_textBox->moveCursor(QTextCursor::End);
    m_textBox->moveCursor(QTextCursor::PreviousBlock);
    return {};
}

QString findLogFile(const QString& folder)
{
    const QDir dir(folder);
    const QString written = QFileInfo(Paths::logFile()).fileName();
    // Whatever has the name, so that a folder or a pipe of that name gets its reason shown.
    const QStringList names =
        dir.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
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
    if (path.isEmpty()) {
        showMessage(parent, LogViewer::tr("No LogFile exits..."));
        return;
    }
    LogViewer window(path, parent);
    // The file can go, or turn out unreadable, between the look-up and the read.
    const QString error = window.load();
    if (!error.isEmpty()) {
        showMessage(parent, error);
        return;
    }
    window.exec();
}
