#include "support/modaldriver.h"
#include "support/windowharness.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

class KeyboardTest : public ::testing::Test, protected WindowHarness {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(form->startUp());
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
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
        bool startedAfter;
        const char* focusAfter;
    } steps[] = {
        {"disablebtn", Qt::Key_Space, false, "Startbtn"},  {"Startbtn", Qt::Key_Space, true, "disablebtn"},
        {"disablebtn", Qt::Key_Return, false, "Startbtn"}, {"Startbtn", Qt::Key_Enter, true, "disablebtn"},
        {"Command1", Qt::Key_Return, true, "Command1"},
    };
    for (const auto& s : steps) {
        child<QPushButton>(s.focused)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), s.key);
        EXPECT_EQ(form->isSchedulerStarted(), s.startedAfter) << s.focused << " " << s.key;
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
