#include "desktop/paths.h"
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
    void pick(const char* selector, const char* item)
    {
        child<QComboBox>(selector)->setCurrentText(QLatin1String(item));
    }
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
    QStringList times() const
    {
        QStringList result;
        for (int p = 0; p < form->schedule().count(); ++p)
            result << form->schedule().cell(p, ScheduleList::TimeColumn);
        return result;
    }
};

} // namespace

TEST_F(CommandsTest, AddAppendsFromTheSelectorsAndDeleteRemovesTheSelectedEntry)
{
    ASSERT_TRUE(form->startUp());
    click("Command3");
    EXPECT_EQ(env.messages, QStringList{QStringLiteral("Nothing to Delete")});

    pick("cmbHour", "11");
    pick("CmbAMPM", "PM");
    pick("CmbFrequency", "Weekly");
    pick("CmbEvent", "Reboot");
    click("Command1");
    click("Command1");
    pick("cmbHour", "01");
    pick("CmbMinute", "05");
    pick("CmbSecond", "09");
    pick("CmbAMPM", "AM");
    pick("CmbStatus", "Disabled");
    click("Command1");
    EXPECT_EQ(times(), (QStringList{"11:00:00 PM", "11:00:00 PM", "01:05:09 AM"}));
    EXPECT_EQ(form->schedule().entry(0), form->schedule().entry(1)) << "a second Add repeats the entry";
    EXPECT_EQ(form->schedule().entry(2),
              (ScheduleEntry{"12/8/2026 01:05:09 AM", "Disabled", "Weekly", "Reboot"}));
    EXPECT_EQ(child<QComboBox>("CmbSecond")->currentText(), QStringLiteral("09"))
        << "the selectors keep their values";

    select(0);
    click("Command3");
    EXPECT_EQ(times(), (QStringList{"11:00:00 PM", "01:05:09 AM"}));
    select(1);
    click("Command3");
    select(0);
    click("Command3");
    EXPECT_EQ(form->schedule().count(), 0);
    click("Command3");
    EXPECT_EQ(env.messages, (QStringList{"Nothing to Delete", "Nothing to Delete"}));
}

TEST_F(CommandsTest, AddWritesTheNextDateOnTheChosenDayForAWeeklyEntry)
{
    ASSERT_TRUE(form->startUp()); // on Tuesday 12/8/2026
    auto* day = child<QComboBox>("CmbWeekday");
    EXPECT_EQ(day->currentText(), QStringLiteral("Tuesday")) << "today's day at first";
    const struct {
        const char* frequency;
        const char* day;
        bool dayAvailable;
        const char* record;
        const char* shown;
    } rows[] = {
        {"Weekly", "Friday", true, "12/11/2026 01:00:00 AM", "Weekly (Friday)"},
        {"Weekly", "Tuesday", true, "12/8/2026 01:00:00 AM", "Weekly (Tuesday)"},
        {"Weekly", "Monday", true, "12/14/2026 01:00:00 AM", "Weekly (Monday)"},
        {"Once", "Friday", false, "12/8/2026 01:00:00 AM", "Once"},
    };
    for (const auto& row : rows) {
        pick("CmbFrequency", row.frequency);
        EXPECT_EQ(day->isEnabled(), row.dayAvailable) << row.frequency;
        pick("CmbWeekday", row.day);
        click("Command1");
        const int last = form->schedule().count() - 1;
        EXPECT_EQ(form->schedule().record(last), QLatin1String(row.record)) << row.day;
        EXPECT_EQ(form->schedule().entry(last).Frequency, QLatin1String(row.frequency));
        EXPECT_EQ(
            form->schedule().data(form->schedule().index(last, ScheduleList::FrequencyColumn)).toString(),
            QLatin1String(row.shown));
    }
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

TEST_F(CommandsTest, ExitSavesTheScheduleAndOptionsAndTheNextStartLoadsThem)
{
    ASSERT_TRUE(form->startUp());
    pick("CmbFrequency", "Daily");
    click("Command1");
    pick("CmbEvent", "Logoff");
    click("Command1");
    child<QCheckBox>("EventSound")->setChecked(true);
    child<QCheckBox>("AbortBtn")->setChecked(false);
    child<QCheckBox>("StartMin")->setChecked(true);
    child<QLineEdit>("CountTimer")->setText(QStringLiteral("12"));
    const ScheduleEntry first = form->schedule().entry(0);
    const ScheduleEntry second = form->schedule().entry(1);
    click("Command4");
    ASSERT_EQ(env.programEnds, 1);
    form.reset();

    startup.calls.clear();
    form = newForm();
    ASSERT_TRUE(form->startUp());
    ASSERT_EQ(form->schedule().count(), 2);
    EXPECT_EQ(form->schedule().entry(0), first);
    EXPECT_EQ(form->schedule().entry(1), second);
    EXPECT_TRUE(child<QCheckBox>("EventSound")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("AbortBtn")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("StartMin")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("LogFile")->isChecked());
    EXPECT_EQ(child<QLineEdit>("CountTimer")->text(), QStringLiteral("12"));
    EXPECT_TRUE(startup.calls.isEmpty()) << "a stored 1 leaves the box as it was and runs nothing";
}

TEST_F(CommandsTest, AStoredStartAtLoginOfZeroRemovesTheEntryAtStart)
{
    ASSERT_TRUE(form->startUp());
    click("Command1");
    child<QCheckBox>("Check1")->setChecked(false);
    startup.calls.clear();
    click("Command4");
    EXPECT_EQ(startup.calls, QStringList{QStringLiteral("clear")});
    form.reset();

    startup.calls.clear();
    form = newForm();
    ASSERT_TRUE(form->startUp());
    EXPECT_FALSE(child<QCheckBox>("Check1")->isChecked());
    EXPECT_EQ(startup.calls, QStringList{QStringLiteral("clear")});
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
