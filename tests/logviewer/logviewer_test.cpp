#include "desktop/paths.h"
#include "logviewer/logviewer.h"
#include "support/modaldriver.h"
#include "support/windowharness.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// Two completed events as the event log holds them.
const QByteArray ShutdownLine = "\"Shutdown at 10:15:00 PM on 3/7/2025\"";
const QByteArray RebootLine = "\"Reboot at 6:00:05 AM on 3/8/2025\"";

// What the viewer showed before it was closed.
struct Seen {
    QString caption;
    QString text;      // as built, CR LF after every line
    QStringList lines; // as the text box shows them
};

class LogViewerTest : public ::testing::Test, protected WindowHarness {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(startShown());
        form->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(0);
    }

    QString logFolder() const { return QFileInfo(Paths::logFile()).absolutePath(); }
    QString writeLog(const QString& name, const QByteArray& content)
    {
        EXPECT_TRUE(QDir().mkpath(logFolder()));
        const QString path = logFolder() + QLatin1Char('/') + name;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }
    // Presses "View" and lets `action` drive the viewer, if one opens; returns whether it did.
    bool view(const std::function<void(QWidget*)>& action)
    {
        ModalDriver driver(action);
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("VlogFile")), Qt::LeftButton);
        EXPECT_FALSE(driver.leftOpen()) << "the viewer stayed open";
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        return driver.ran();
    }
    // Presses "View", reads what the viewer shows and closes it with Esc.
    std::optional<Seen> viewAndClose()
    {
        Seen seen;
        const bool opened = view([&](QWidget* window) {
            auto* shown = qobject_cast<LogViewer*>(window);
            ASSERT_NE(shown, nullptr);
            seen.caption = shown->windowTitle();
            seen.text = shown->logText();
            const QString plain = shown->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText();
            seen.lines = plain.split(QLatin1Char('\n'));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            EXPECT_FALSE(window->isVisible()) << "Esc closes the viewer";
        });
        if (!opened)
            return std::nullopt;
        return seen;
    }
};

} // namespace

TEST_F(LogViewerTest, WithoutALogOnlyTheMessageIsShown)
{
    EXPECT_FALSE(view([](QWidget*) {})) << "no folder yet";
    ASSERT_TRUE(QDir().mkpath(logFolder()));
    writeLog(QStringLiteral("logfile.txt"), ShutdownLine);
    writeLog(QStringLiteral("logfile.log.bak"), ShutdownLine);
    EXPECT_FALSE(view([](QWidget*) {})) << "only the name itself counts";
    EXPECT_EQ(env.messages, QStringList(2, QStringLiteral("No LogFile exits...")));
    EXPECT_EQ(env.captions, QStringList(2, QStringLiteral("Lullwick")));
}

TEST_F(LogViewerTest, TheLogIsFoundWhateverTheLetterCaseOfItsName)
{
    for (const char* name : {"LOGFILE.LOG", "LogFile.log", "logfile.log", "lOgFiLe.LoG"}) {
        const QString path = writeLog(QLatin1String(name), ShutdownLine + "\r\n");
        const auto seen = viewAndClose();
        ASSERT_TRUE(seen.has_value()) << name;
        EXPECT_EQ(seen->caption, QStringLiteral("Log File Viewer"));
        EXPECT_EQ(seen->text, QString::fromLatin1(ShutdownLine + "\r\n")) << name;
        ASSERT_TRUE(QFile::remove(path));
    }
    EXPECT_TRUE(env.messages.isEmpty());

    // Where names differ only in case, the one the program writes is shown.
    writeLog(QStringLiteral("LOGFILE.LOG"), RebootLine);
    writeLog(QStringLiteral("LogFile.log"), ShutdownLine);
    writeLog(QStringLiteral("logfile.log"), RebootLine);
    const auto seen = viewAndClose();
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(seen->text, QString::fromLatin1(ShutdownLine + "\r\n"));
}

TEST_F(LogViewerTest, ShowsEveryLineInFileOrderEachFollowedByCrLf)
{
    writeLog(QStringLiteral("LogFile.log"), QByteArray());
    auto seen = viewAndClose();
    ASSERT_TRUE(seen.has_value()) << "an empty log opens the viewer";
    EXPECT_EQ(seen->text, QString());
    EXPECT_EQ(seen->lines, QStringList{QString()});

    writeLog(QStringLiteral("LogFile.log"), ShutdownLine + "\r\n" + RebootLine + "\r\n");
    seen = viewAndClose();
    ASSERT_TRUE(seen.has_value());
    const QString shutdown = QString::fromLatin1(ShutdownLine);
    const QString reboot = QString::fromLatin1(RebootLine);
    EXPECT_EQ(seen->text, shutdown + QStringLiteral("\r\n") + reboot + QStringLiteral("\r\n"));
    EXPECT_EQ(seen->lines, (QStringList{shutdown, reboot, QString()})) << "quotes kept, one line each";

    // LF alone ends a line too, and a last line without an end is still shown.
    writeLog(QStringLiteral("LogFile.log"), ShutdownLine + "\n\n" + RebootLine);
    seen = viewAndClose();
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(seen->text, shutdown + QStringLiteral("\r\n\r\n") + reboot + QStringLiteral("\r\n"));
    EXPECT_EQ(seen->lines, (QStringList{shutdown, QString(), reboot, QString()}));

    // A long log shows every line, one to a line, however the text box groups them.
    QByteArray longLog;
    QStringList numbered;
    for (int i = 1; i <= 100; ++i) {
        longLog += "\"Logoff number " + QByteArray::number(i) + "\"\r\n";
        numbered << QStringLiteral("\"Logoff number %1\"").arg(i);
    }
    writeLog(QStringLiteral("LogFile.log"), longLog);
    seen = viewAndClose();
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(seen->text, QString::fromLatin1(longLog));
    EXPECT_EQ(seen->lines, numbered + QStringList{QString()});
    EXPECT_TRUE(env.messages.isEmpty());
}

TEST_F(LogViewerTest, LinesThatAreNotUtf8AreShownAsLatin1)
{
    // An older line written in a single-byte code page beside a UTF-8 one.
    writeLog(QStringLiteral("LogFile.log"), "\"Caf\xe9\"\r\n\"Caf\xc3\xa9\"\r\n");
    const auto seen = viewAndClose();
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(seen->text, QStringLiteral("\"Caf\u00e9\"\r\n\"Caf\u00e9\"\r\n"));
}

// How it looks beyond what every window owes (see windowchecks.h, run by the keyboard test).
TEST_F(LogViewerTest, OpensCentredWithTheTextFocusedAndClosesFromTheKeyboard)
{
    writeLog(QStringLiteral("LogFile.log"), ShutdownLine + "\r\n");
    EXPECT_TRUE(view([&](QWidget* window) {
        EXPECT_FALSE(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        const QRect screen = window->screen()->availableGeometry();
        EXPECT_LE((window->geometry().center() - screen.center()).manhattanLength(), 4)
            << "centred on the screen";
        auto* text = window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
        auto* exit = window->findChild<QPushButton*>(QStringLiteral("Command1"));
        ASSERT_NE(text, nullptr);
        ASSERT_NE(exit, nullptr);
        EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        EXPECT_EQ(text->palette().color(QPalette::Base), window->palette().color(QPalette::Window));
        // The text box has the focus; Tab leaves it for the button, which Enter then presses.
        EXPECT_EQ(QApplication::focusWidget(), text);
        QTest::keyClick(text, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), exit);
        QTest::keyClick(exit, Qt::Key_Return);
        EXPECT_FALSE(window->isVisible());
    }));
    // Alt+E, the button's access key, closes it as well (the button shows itself pressed first).
    EXPECT_TRUE(view([&](QWidget* window) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([window] { return !window->isVisible(); }));
    }));
}

TEST_F(LogViewerTest, ALogThatCannotBeReadIsNamedWithTheReason)
{
    const QString log = logFolder() + QStringLiteral("/LogFile.log");
    const struct {
        const char* name;
        std::function<void()> make;
    } cases[] = {
        {"folder", [&] { QDir().mkpath(log); }},
        {"FIFO", [&] { ::mkfifo(QFile::encodeName(log).constData(), 0600); }},
        {"link to a FIFO",
         [&] {
             ::mkfifo(QFile::encodeName(log + QStringLiteral(".fifo")).constData(), 0600);
             QFile::link(log + QStringLiteral(".fifo"), log);
         }},
        {"link to /dev/zero", [&] { QFile::link(QStringLiteral("/dev/zero"), log); }},
        // Opens but cannot be read at its start; running as root, permissions cannot do that.
        {"unreadable", [&] { QFile::link(QStringLiteral("/proc/self/mem"), log); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(QDir(logFolder()).removeRecursively());
        ASSERT_TRUE(QDir().mkpath(logFolder()));
        c.make();
        env.messages.clear();
        EXPECT_FALSE(view([](QWidget*) {}));
        ASSERT_EQ(env.messages.size(), 1);
        EXPECT_TRUE(env.messages[0].contains(log)) << env.messages[0].toStdString();
    }

    // And a log deleted after it was found.
    LogViewer gone(logFolder() + QStringLiteral("/deleted.log"), form.get());
    EXPECT_EQ(gone.load(), QStringLiteral("No LogFile exits..."));
    EXPECT_EQ(gone.logText(), QString());
}

TEST_F(LogViewerTest, OfALargeLogTheNewestLinesAreShownWithANote)
{
    QByteArray log;
    for (int i = 1; log.size() < 6 * 1024 * 1024; ++i)
        log += "\"Logoff number " + QByteArray::number(i) + "\"\r\n";
    writeLog(QStringLiteral("LogFile.log"), log);
    const auto seen = viewAndClose();
    ASSERT_TRUE(seen.has_value());
    EXPECT_TRUE(seen->text.endsWith(QStringLiteral("\"Logoff number %1\"\r\n").arg(log.count('\n'))));
    EXPECT_FALSE(seen->text.contains(QStringLiteral("\"Logoff number 1\"")));
    EXPECT_TRUE(seen->text.startsWith(QStringLiteral("\"Logoff number "))) << "no line cut in two";
    EXPECT_TRUE(seen->lines.first().contains(QStringLiteral("Only the end of the log")))
        << seen->lines.first().toStdString();
}
