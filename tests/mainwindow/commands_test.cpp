#include "desktop/paths.h"
#include "schedule/sampleschedules.h"
#include "schedule/schedulestore.h"
#include "support/modaldriver.h"
#include "support/windowharness.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

class CommandsTest : public ::testing::Test, protected WindowHarness {
protected:
    CommandsTest() : WindowHarness(QDateTime(QDate(2026, 12, 8), QTime(9, 0, 0))) {}

    void click(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    void pick(const char* selector, const QString& item) { child<QComboBox>(selector)->setCurrentText(item); }
    void select(int row)
    {
        auto* table = child<QTreeView>("mainListview");
        table->setCurrentIndex(table->model()->index(row, 0));
    }
    // Opens the Edit Window on the selected row and saves it unchanged.
    void editAndSave()
    {
        ModalDriver driver([](QWidget* window) {
            QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
            QTest::keyClick(window->focusWidget(), Qt::Key_Return);
        });
        click("Command2");
        EXPECT_TRUE(driver.ran());
    }
};

} // namespace

// Add appends what the selectors show (a weekly entry dated on the next chosen day); Delete
// removes the selected entry and says so when there is none.
TEST_F(CommandsTest, AddAppendsFromTheSelectorsAndDeleteRemovesTheSelectedEntry)
{
    ASSERT_TRUE(form->startUp()); // on Tuesday 12/8/2026
    click("Command3");
    EXPECT_EQ(child<QComboBox>("CmbWeekday")->currentText(), QStringLiteral("Tuesday"));
    pick("CmbMinute", "05");
    pick("CmbSecond", "09");
    const struct {
        const char* hour;
        const char* half;
        const char* day;
        ScheduleEntry added;
    } rows[] = {
        {"11", "PM", "Friday", {"12/11/2026 11:05:09 PM", "Enabled", "Weekly", "Reboot"}},
        {"01", "AM", "Tuesday", {"12/8/2026 01:05:09 AM", "Disabled", "Weekly", "PowerOff"}},
        {"12", "AM", "Monday", {"12/14/2026 12:05:09 AM", "Enabled", "Weekly", "Logoff"}},
        {"12", "PM", "Friday", {"12/8/2026 12:05:09 PM", "Disabled", "Once", "Shutdown"}},
    };
    std::vector<ScheduleEntry> added;
    for (const auto& row : rows) {
        pick("cmbHour", row.hour);
        pick("CmbAMPM", row.half);
        pick("CmbWeekday", row.day);
        pick("CmbStatus", row.added.Status);
        pick("CmbFrequency", row.added.Frequency);
        pick("CmbEvent", row.added.Event);
        click("Command1");
        added.push_back(row.added);
    }
    EXPECT_EQ(entriesOf(form->schedule()), added);

    select(1);
    click("Command3");
    select(2);
    click("Command3");
    EXPECT_EQ(entriesOf(form->schedule()), (std::vector{added[0], added[2]}));
    select(0);
    click("Command3");
    click("Command3");
    click("Command3");
    EXPECT_EQ(env.messages, (QStringList{"Nothing to Delete", "Nothing to Delete"}));
}

TEST_F(CommandsTest, ARowIsSelectedWheneverTheTableHasRowsSoEditAndDeleteAlwaysAct)
{
    ScheduleList stored;
    for (const char* time : {"1/2/2026 01:00:00 AM", "1/2/2026 02:00:00 AM", "1/2/2026 03:00:00 AM"})
        stored.append({QLatin1String(time), "Enabled", "Daily", "Reboot"});
    ASSERT_EQ(saveSchedule(Paths::settingsFile(), stored, {}), QString());
    ASSERT_TRUE(form->startUp());
    auto* table = child<QTreeView>("mainListview");
    const auto selected = [&] {
        QCoreApplication::processEvents();
        const QModelIndexList rows = table->selectionModel()->selectedRows();
        return rows.isEmpty() ? QStringLiteral("none")
                              : form->schedule().cell(rows.first().row(), ScheduleList::TimeColumn);
    };
    const struct {
        const char* step;
        std::function<void()> act;
        QString selectedAfter;
    } steps[] = {
        {"loaded", [] {}, "01:00:00 AM"},
        {"Delete", [&] { click("Command3"); }, "02:00:00 AM"},
        {"Ctrl+click on the selected row",
         [&] {
             QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::ControlModifier,
                               table->visualRect(form->schedule().index(0, 0)).center());
         },
         "02:00:00 AM"},
        {"Edit, Save", [&] { editAndSave(); }, "02:00:00 AM"},
        {"Delete of the last", [&] { click("Command3"); }, "03:00:00 AM"},
        {"Delete of the only", [&] { click("Command3"); }, "none"},
        {"Add", [&] { click("Command1"); }, "01:00:00 AM"},
    };
    for (const auto& s : steps) {
        s.act();
        EXPECT_EQ(selected(), s.selectedAfter) << s.step;
    }
    EXPECT_TRUE(env.messages.isEmpty());
}

TEST_F(CommandsTest, AFullScheduleRefusesAddSoNothingIsDroppedAtTheNextStart)
{
    ASSERT_TRUE(form->startUp());
    for (int i = 0; i < MaxScheduleEntries; ++i)
        click("Command1");
    EXPECT_TRUE(env.messages.isEmpty());
    click("Command1");
    EXPECT_EQ(form->schedule().count(), MaxScheduleEntries);
    ASSERT_EQ(env.messages.size(), 1);
    EXPECT_TRUE(env.messages.first().contains(QStringLiteral("1000")));
}

// Each round changes every option and adds an entry; Exit saves them and the next start loads
// them. A stored start-at-login of 1 leaves the login entry as it is; a stored 0 removes it.
TEST_F(CommandsTest, ExitSavesTheScheduleAndOptionsAndTheNextStartLoadsThem)
{
    const char* const boxes[] = {"EventSound", "AbortBtn", "StartMin", "LogFile", "Check1"};
    const auto options = [&, this] {
        QStringList state{child<QLineEdit>("CountTimer")->text()};
        for (const char* box : boxes)
            state << QString::number(child<QCheckBox>(box)->isChecked());
        return state;
    };
    ASSERT_TRUE(form->startUp());
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        pick("CmbEvent", round ? "Logoff" : "PowerOff");
        click("Command1");
        for (const char* box : boxes)
            child<QCheckBox>(box)->toggle();
        child<QLineEdit>("CountTimer")->setText(QString::number(12 + round));
        const auto entries = entriesOf(form->schedule());
        const QStringList saved = options();
        click("Command4");
        ASSERT_EQ(env.programEnds, round + 1);
        form.reset();
        startup.calls.clear();
        form = newForm();
        ASSERT_TRUE(form->startUp());
        EXPECT_EQ(entriesOf(form->schedule()), entries);
        EXPECT_EQ(options(), saved);
        EXPECT_EQ(startup.calls, saved.last() == QLatin1String("1") ? QStringList() : QStringList{"clear"});
    }
}

TEST_F(CommandsTest, AFailedSaveAtExitOffersToStayOrToExitWithoutSaving)
{
    ASSERT_TRUE(form->startUp());
    click("Command1");
    // A folder where the settings file should be: it cannot be replaced.
    ASSERT_TRUE(QDir().mkpath(Paths::settingsFile()));
    for (const bool exitWithoutSaving : {false, true}) {
        env.questionAnswer = exitWithoutSaving;
        click("Command4");
        EXPECT_EQ(env.programEnds, exitWithoutSaving ? 1 : 0);
        EXPECT_EQ(tray.visible, !exitWithoutSaving);
    }
    ASSERT_EQ(env.questions.size(), 2);
    EXPECT_TRUE(env.questions.first().contains(QStringLiteral("Lullwick.ini")));
    EXPECT_TRUE(env.messages.isEmpty());
}
