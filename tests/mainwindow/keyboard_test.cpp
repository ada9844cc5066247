#include "desktop/paths.h"
#include "support/modaldriver.h"
#include "support/windowchecks.h"
#include "support/windowharness.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

class KeyboardTest : public ::testing::Test, protected WindowHarness {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(startShown()); }
    static QString focusName()
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
};

} // namespace

TEST_F(KeyboardTest, EnterAndSpacePressTheFocusedButtonAndTheFocusStaysOnStartAndDisable)
{
    const struct {
        const char* focused;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool startedAfter;
        const char* focusAfter;
    } steps[] = {
        {"disablebtn", Qt::Key_Space, {}, false, "Startbtn"},
        {"Startbtn", Qt::Key_Space, {}, true, "disablebtn"},
        {"disablebtn", Qt::Key_Return, {}, false, "Startbtn"},
        {"Startbtn", Qt::Key_Enter, {}, true, "disablebtn"},
        {"Command1", Qt::Key_Return, {}, true, "Command1"},
        {"Command4", Qt::Key_B, Qt::AltModifier, false, "Startbtn"}, // the mnemonics
        {"Command4", Qt::Key_R, Qt::AltModifier, true, "disablebtn"},
    };
    for (const auto& s : steps) {
        child<QPushButton>(s.focused)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), s.key, s.modifiers);
        // A mnemonic clicks the button after showing it pressed for a moment.
        EXPECT_TRUE(QTest::qWaitFor([&] { return form->isSchedulerStarted() == s.startedAfter; }))
            << s.focused << " " << s.key;
        EXPECT_EQ(focusName(), QLatin1String(s.focusAfter)) << s.focused << " " << s.key;
    }
    EXPECT_EQ(form->schedule().count(), 1) << "Enter on Add added one entry";
    EXPECT_EQ(env.programEnds, 0);
}

TEST_F(KeyboardTest, EnterOnATableRowOpensTheEditWindowOnThatRow)
{
    for (const char* time : {"1/2/2026 01:00:00 AM", "1/2/2026 03:00:00 PM"})
        form->schedule().append({QLatin1String(time), "Enabled", "Daily", "Reboot"});
    auto* table = child<QTreeView>("mainListview");
    table->setFocus(Qt::TabFocusReason);
    QTest::keyClick(table, Qt::Key_Down);
    QString hour;
    ModalDriver driver([&](QWidget* window) {
        hour = window->findChild<QComboBox*>(QStringLiteral("cmbHour"))->currentText();
        QTest::keyClick(window->focusWidget(), Qt::Key_Escape);
    });
    QTest::keyClick(table, Qt::Key_Return);
    EXPECT_TRUE(driver.ran());
    EXPECT_EQ(hour, QStringLiteral("03"));
}

namespace {

class WindowsTest : public KeyboardTest {
protected:
    // Runs `check` on the main window, then on the Edit Window and the log viewer it opens.
    void forEveryWindow(const std::function<void(QWidget*)>& check)
    {
        check(form.get());
        form->schedule().append({"12/11/2026 07:00:00 PM", "Enabled", "Weekly", "Reboot"});
        QFile log(Paths::logFile());
        ASSERT_TRUE(QDir().mkpath(QFileInfo(log).absolutePath()) && log.open(QIODevice::WriteOnly));
        log.write("\"Reboot at 7:00:00 PM on 12/11/2026\"\r\n");
        log.close();
        for (const char* opener : {"Command2", "VlogFile"}) {
            ModalDriver driver(check);
            child<QPushButton>(opener)->click();
            EXPECT_TRUE(driver.ran()) << opener;
        }
    }
};

} // namespace

// Every window's controls fit, have mnemonics of their own and names for screen readers.
TEST_F(WindowsTest, EveryWindowsControlsFitAndAreNamedWithMnemonicsOfTheirOwn)
{
    forEveryWindow(expectEveryControlFitsAndIsNamed);
}

TEST_F(KeyboardTest, TheLogViewerOpensReadOnlyAtTheNewestLineWithPlainLineBreaksForScreenReaders)
{
    QStringList lines;
    for (int i = 0; i < 100; ++i)
        lines
            << QStringLiteral("\"Reboot at 7:00:%1 PM on 12/11/2026\"").arg(i % 60, 2, 10, QLatin1Char('0'));
    QFile log(Paths::logFile());
    ASSERT_TRUE(QDir().mkpath(QFileInfo(log).absolutePath()) && log.open(QIODevice::WriteOnly));
    log.write((lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    log.close();
    ModalDriver driver([&](QWidget* window) {
        auto* text = window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
        ASSERT_NE(text, nullptr);
        EXPECT_TRUE(text->isReadOnly());
        EXPECT_TRUE(text->textInteractionFlags() & Qt::TextSelectableByKeyboard) << "the caret still moves";
        const QTextCursor cursor = text->textCursor();
        EXPECT_EQ(cursor.block().text(), lines.last());
        EXPECT_EQ(text->verticalScrollBar()->value(), text->verticalScrollBar()->maximum());
        QAccessibleTextInterface* accessible = QAccessible::queryAccessibleInterface(text)->textInterface();
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(0, accessible->characterCount()), lines.join(QLatin1Char('\n')) + '\n');
        QTest::keyClicks(text, QStringLiteral("typed"));
        EXPECT_FALSE(text->toPlainText().contains(QStringLiteral("typed")));
    });
    child<QPushButton>("VlogFile")->click();
    EXPECT_TRUE(driver.ran());
}
