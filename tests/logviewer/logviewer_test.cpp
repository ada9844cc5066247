#include "desktop/paths.h"
#include "logviewer/logviewer.h"
#include "support/modaldriver.h"
#include "support/windowharness.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <sys/stat.h>

namespace {

class LogViewerTest : public ::testing::Test, protected WindowHarness {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(startShown()); }

    const QString folder = QFileInfo(Paths::logFile()).absolutePath();
    QString path(const char* name) const { return folder + QLatin1Char('/') + QLatin1String(name); }
    void fifo(const char* name) const { ::mkfifo(QFile::encodeName(path(name)).constData(), 0600); }
    void link(const QString& target) const { QFile::link(target, path("LogFile.log")); }
    void put(const char* name, const QByteArray& content) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }
};

} // namespace

// The log is found whatever the letter case of its name, the name the program writes first; its lines,
// CR LF or LF ended or the last one unended, each end in CR LF. Of a log over 4 MB or of over 120,000
// lines the newest lines are shown under a note, without the line cut in two; a line of over 2,000
// characters is shown cut with a note. A log that cannot be read is named with why.
TEST_F(LogViewerTest, ShowsTheLogsLinesOrSaysWhyNot)
{
    const QByteArray older = (QByteArray(998, 'x') + "\r\n").repeated(5000); // 5 MB of 1,000-byte lines
    const QString cannot = QStringLiteral("The log file %1 cannot be shown: ").arg(path("LogFile.log"));
    const QString smiles = QString("\U0001F600").repeated(1500); // 3,000 UTF-16 units
    const struct {
        const char* name;
        std::function<void()> make;
        QString message; // "" when the viewer opens
        QString text = {};
        QString note = {};
        QString shown = {}; // after the note; "" for the text's lines
    } rows[] = {
        {"no folder", [&] { QDir(folder).removeRecursively(); }, "No LogFile exits..."},
        {"other names", [&] { put("logfile.txt", "x"), put("logfile.log.bak", "x"); }, "No LogFile exits..."},
        {"empty", [&] { put("LogFile.log", ""); }, "", ""},
        {"line ends", [&] { put("logfile.LOG", "\"a\"\r\n\n\"b\""); }, "", "\"a\"\r\n\r\n\"b\"\r\n"},
        {"written name first",
         [&] { put("LOGFILE.LOG", "a"), put("LogFile.log", "b"), put("logfile.log", "c"); }, "", "b\r\n"},
        {"Latin-1 beside UTF-8", [&] { put("LogFile.log", "Caf\xe9\nCaf\xc3\xa9\n"); }, "",
         "Caf\u00e9\r\nCaf\u00e9\r\n"},
        // Of the last 4 MB the first 294 bytes end a cut line.
        {"over 4 MB", [&] { put("LogFile.log", older + "\"Reboot\"\r\n"); }, "",
         QString::fromLatin1(older.right(4194000)) + "\"Reboot\"\r\n",
         "(Only the end of the log is shown: the last 4 MB.)\n"},
        {"4 MB of line ends", [&] { put("LogFile.log", QByteArray(4 << 20, '\n')); }, "",
         QString("\r\n").repeated(4 << 20), "(Only the end of the log is shown: the last 120,000 lines.)\n",
         QString(120000, '\n')},
        {"a line of 1 MB", [&] { put("LogFile.log", QByteArray(1 << 20, '\0')); }, "",
         QString(1 << 20, '\0') + "\r\n", "",
         QString(2000, '\0') + "\u2026 (line cut: 1,048,576 characters)\n"},
        {"cut before a pair", [&] { put("LogFile.log", ("x" + smiles).toUtf8()); }, "", "x" + smiles + "\r\n",
         "", "x" + smiles.left(1998) + "\u2026 (line cut: 1,501 characters)\n"},
        {"folder", [&] { QDir().mkpath(path("LogFile.log")); }, cannot},
        {"FIFO", [&] { fifo("LogFile.log"); }, cannot},
        {"link to a FIFO", [&] { fifo("fifo"), link(path("fifo")); }, cannot},
        {"link to a device", [&] { link("/dev/zero"); }, cannot},
        // Opens but cannot be read at its start; running as root, permissions cannot do that.
        {"unreadable", [&] { link("/proc/self/mem"); }, cannot},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(QDir(folder).removeRecursively() && QDir().mkpath(folder));
        row.make();
        env.messages.clear();
        QString text, shown;
        ModalDriver driver([&](QWidget* window) {
            text = qobject_cast<LogViewer*>(window)->logText();
            shown = window->findChild<QPlainTextEdit*>()->toPlainText();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
        child<QPushButton>("VlogFile")->click();
        EXPECT_EQ(driver.ran() && !driver.leftOpen(), row.message.isEmpty()) << "opened, closed by Esc";
        EXPECT_EQ(env.messages.value(0).left(row.message.size()), row.message);
        EXPECT_EQ(env.messages.size(), row.message.isEmpty() ? 0 : 1);
        EXPECT_TRUE(text == row.text) << text.left(80).toStdString();
        const QString lines = row.shown.isEmpty() ? QString(row.text).replace("\r\n", "\n") : row.shown;
        EXPECT_TRUE(shown == row.note + lines) << shown.size() << " characters, ending "
                                               << shown.right(60).toUtf8().toPercentEncoding(" ").data();
    }
}
