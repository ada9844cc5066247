#include "editwindow/editwindow.h"
#include "support/modaldriver.h"
#include "support/windowharness.h"

#include <QComboBox>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

ScheduleEntry entry(const QString& time, const QString& status = QStringLiteral("Enabled"),
                    const QString& frequency = QStringLiteral("Daily"),
                    const QString& event = QStringLiteral("Shutdown"))
{
    return {QStringLiteral("11/2/2026 ") + time, status, frequency, event};
}

template <typename T> T* childOf(QWidget* window, const char* name)
{
    T* widget = window->findChild<T*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

QComboBox* combo(QWidget* window, const char* name)
{
    return childOf<QComboBox>(window, name);
}

QPushButton* button(QWidget* window, const char* name)
{
    return childOf<QPushButton>(window, name);
}

// Keys go where the user's keyboard would send them: to the focused control.
void press(Qt::Key key)
{
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    QTest::keyClick(focused, key);
}

QString focusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

// The Edit Window as it opened: what the seven selectors show.
struct Shown {
    QString hour, minute, second, meridiem, status, frequency, event;
    int frequencyIndex = -2;
    int eventIndex = -2;
};

class EditWindowTest : public ::testing::Test, protected WindowHarness {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(startShown());
        table = form->findChild<QTreeView*>(QStringLiteral("mainListview"));
        ASSERT_NE(table, nullptr);
    }

    ScheduleList& schedule() { return form->schedule(); }
    void fill(const std::vector<ScheduleEntry>& entries)
    {
        schedule().clear();
        for (const ScheduleEntry& e : entries)
            schedule().append(e);
    }
    std::vector<ScheduleEntry> entries()
    {
        std::vector<ScheduleEntry> all;
        for (int i = 0; i < schedule().count(); ++i)
            all.push_back(schedule().entry(i));
        return all;
    }
    void select(int row)
    {
        table->selectionModel()->setCurrentIndex(
            schedule().index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    // Presses Edit on the main window and lets `action` drive the Edit Window it opens.
    // Returns whether a window opened.
    bool edit(const std::function<void(QWidget*)>& action)
    {
        ModalDriver driver(action);
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
        EXPECT_FALSE(driver.leftOpen()) << "the Edit Window stayed open";
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        return driver.ran();
    }
    Shown openAndCancel(int row)
    {
        select(row);
        Shown shown;
        EXPECT_TRUE(edit([&](QWidget* window) {
            shown = {combo(window, "cmbHour")->currentText(),   combo(window, "CmbMinute")->currentText(),
                     combo(window, "CmbSecond")->currentText(), combo(window, "CmbAMPM")->currentText(),
                     combo(window, "CmbStatus")->currentText(), combo(window, "CmbFrequency")->currentText(),
                     combo(window, "CmbEvent")->currentText(),  combo(window, "CmbFrequency")->currentIndex(),
                     combo(window, "CmbEvent")->currentIndex()};
            QTest::mouseClick(button(window, "Command2"), Qt::LeftButton);
        }));
        return shown;
    }

    QTreeView* table = nullptr;
};

} // namespace

TEST_F(EditWindowTest, OpensCentredOverTheMainWindowOfferingEveryChoice)
{
    fill({entry(QStringLiteral("07:05:09 PM"))});
    select(0);
    EXPECT_TRUE(edit([&](QWidget* window) {
        EXPECT_EQ(window->parentWidget(), form.get()) << "owned by the main window, so not in the taskbar";
        EXPECT_FALSE(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        EXPECT_LE((window->geometry().center() - form->geometry().center()).manhattanLength(), 4);
        const std::pair<const char*, QStringList> selectors[] = {
            {"cmbHour", Values::twoDigitNumbers(1, 12)},
            {"CmbMinute", Values::twoDigitNumbers(0, 59)},
            {"CmbSecond", Values::twoDigitNumbers(0, 59)},
            {"CmbAMPM", Values::Meridiems},
            {"CmbStatus", Values::Statuses},
            {"CmbFrequency", Values::Frequencies},
            {"CmbWeekday", {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"}},
            {"CmbEvent", Values::Events}};
        for (const auto& [name, items] : selectors) {
            QStringList offered;
            for (int i = 0; i < combo(window, name)->count(); ++i)
                offered << combo(window, name)->itemText(i);
            EXPECT_EQ(offered, items) << name;
        }
        QTest::mouseClick(button(window, "Command2"), Qt::LeftButton);
    }));
}

TEST_F(EditWindowTest, OpensWithCancelFocusedSaveDisabledAndTabsInTheVisualOrder)
{
    fill({entry(QStringLiteral("07:05:09 PM"))});
    select(0);
    EXPECT_TRUE(edit([&](QWidget* window) {
        EXPECT_EQ(focusName(), QStringLiteral("Command2"));
        EXPECT_FALSE(button(window, "Command1")->isEnabled());

        // Save is passed over while disabled; entering the hour selector enables it.
        QStringList order{focusName()};
        for (int i = 0; i < 10; ++i) {
            press(Qt::Key_Tab);
            order << focusName();
        }
        // The day is passed over too: it is available only for a "Weekly" entry.
        EXPECT_EQ(order, (QStringList{"Command2", "cmbHour", "CmbMinute", "CmbSecond", "CmbAMPM", "CmbStatus",
                                      "CmbEvent", "CmbFrequency", "Command1", "Command2", "cmbHour"}));
        EXPECT_TRUE(button(window, "Command1")->isEnabled());
        EXPECT_TRUE(button(window, "Command1")->isDefault()) << "Enter from a selector saves";
        QTest::mouseClick(button(window, "Command2"), Qt::LeftButton);
    }));
}

TEST_F(EditWindowTest, EachSelectorEnablesSaveWhenItReceivesTheFocus)
{
    fill({entry(QStringLiteral("07:05:09 PM"))});
    select(0);
    for (const char* name :
         {"cmbHour", "CmbMinute", "CmbSecond", "CmbAMPM", "CmbStatus", "CmbFrequency", "CmbEvent"}) {
        EXPECT_TRUE(edit([&](QWidget* window) {
            EXPECT_FALSE(button(window, "Command1")->isEnabled());
            combo(window, name)->setFocus(Qt::MouseFocusReason);
            EXPECT_TRUE(button(window, "Command1")->isEnabled()) << name;
            // Leaving the selector again does not take it back.
            button(window, "Command2")->setFocus(Qt::TabFocusReason);
            EXPECT_TRUE(button(window, "Command1")->isEnabled()) << name;
            QTest::mouseClick(button(window, "Command2"), Qt::LeftButton);
        }));
    }
}

TEST_F(EditWindowTest, OpensShowingTheSelectedEntrysTime)
{
    fill({entry(QStringLiteral("12:00:00 AM")), entry(QStringLiteral("01:00:00 PM")),
          entry(QStringLiteral("11:59:59 PM")), entry(QStringLiteral("07:05:09 AM"))});

    const QStringList expected[] = {{"12", "00", "00", "AM"},
                                    {"01", "00", "00", "PM"},
                                    {"11", "59", "59", "PM"},
                                    {"07", "05", "09", "AM"}};
    for (int row = 0; row < 4; ++row) {
        const Shown shown = openAndCancel(row);
        EXPECT_EQ((QStringList{shown.hour, shown.minute, shown.second, shown.meridiem}), expected[row])
            << row;
    }
}

TEST_F(EditWindowTest, OpensShowingStatusFrequencyAndEventByExactMatchOnly)
{
    fill({entry(QStringLiteral("07:00:00 AM"), QStringLiteral("Disabled"), QStringLiteral("Weekly"),
                QStringLiteral("PowerOff")),
          entry(QStringLiteral("07:00:00 AM"), QStringLiteral("enabled"), QStringLiteral("Monthly"),
                QStringLiteral("reboot")),
          entry(QStringLiteral("07:00:00 AM"), QStringLiteral("Enabled"), QStringLiteral("WeekDays"),
                QStringLiteral("Logoff"))});

    Shown known = openAndCancel(0);
    EXPECT_EQ(known.status, QStringLiteral("Disabled"));
    EXPECT_EQ(known.frequency, QStringLiteral("Weekly"));
    EXPECT_EQ(known.event, QStringLiteral("PowerOff"));

    Shown unknown = openAndCancel(1);
    EXPECT_EQ(unknown.status, QStringLiteral("Disabled")) << "anything but Enabled opens as Disabled";
    EXPECT_EQ(unknown.frequencyIndex, -1);
    EXPECT_EQ(unknown.frequency, QString());
    EXPECT_EQ(unknown.eventIndex, -1);
    EXPECT_EQ(unknown.event, QString());

    Shown enabled = openAndCancel(2);
    EXPECT_EQ(enabled.status, QStringLiteral("Enabled"));
    EXPECT_EQ(enabled.frequency, QStringLiteral("WeekDays"));
    EXPECT_EQ(enabled.event, QStringLiteral("Logoff"));
}

TEST_F(EditWindowTest, SaveMovesTheEditedEntryToTheEndWithTodaysDate)
{
    const ScheduleEntry second = entry(QStringLiteral("08:00:00 AM"));
    const ScheduleEntry third = entry(QStringLiteral("09:00:00 PM"), QStringLiteral("Disabled"),
                                      QStringLiteral("Once"), QStringLiteral("Reboot"));
    fill({entry(QStringLiteral("07:05:09 AM"), QStringLiteral("Enabled"), QStringLiteral("Weekly")), second,
          third});
    select(0);
    EXPECT_TRUE(edit([&](QWidget* window) {
        press(Qt::Key_Tab); // to the hour
        press(Qt::Key_Down);
        press(Qt::Key_Tab); // minute
        press(Qt::Key_Tab); // seconds
        press(Qt::Key_Down);
        press(Qt::Key_Tab); // AM/PM
        press(Qt::Key_Down);
        press(Qt::Key_Tab); // status
        press(Qt::Key_Down);
        press(Qt::Key_Tab); // event
        press(Qt::Key_End);
        press(Qt::Key_Tab); // frequency
        press(Qt::Key_Up);
        QTest::mouseClick(button(window, "Command1"), Qt::LeftButton);
    }));
    const ScheduleEntry edited{QStringLiteral("12/7/2026 08:05:10 PM"), QStringLiteral("Disabled"),
                               QStringLiteral("WeekDays"), QStringLiteral("PowerOff")};
    EXPECT_EQ(entries(), (std::vector<ScheduleEntry>{second, third, edited}));
    EXPECT_EQ(schedule().cell(2, ScheduleList::TimeColumn), QStringLiteral("08:05:10 PM"));
    EXPECT_TRUE(env.messages.isEmpty());
}

TEST_F(EditWindowTest, SavingTheLastEntryLeavesItLast)
{
    const ScheduleEntry first = entry(QStringLiteral("07:00:00 AM"));
    const ScheduleEntry second = entry(QStringLiteral("08:00:00 AM"));
    fill({first, second, entry(QStringLiteral("09:00:00 AM"))});
    select(2);
    EXPECT_TRUE(edit([&](QWidget* window) {
        press(Qt::Key_Tab);
        press(Qt::Key_Down);
        QTest::mouseClick(button(window, "Command1"), Qt::LeftButton);
    }));
    const ScheduleEntry edited{QStringLiteral("12/7/2026 10:00:00 AM"), QStringLiteral("Enabled"),
                               QStringLiteral("Daily"), QStringLiteral("Shutdown")};
    EXPECT_EQ(entries(), (std::vector<ScheduleEntry>{first, second, edited}));
}

TEST_F(EditWindowTest, EnterRightAfterOpeningCancels)
{
    fill({entry(QStringLiteral("07:00:00 AM")), entry(QStringLiteral("08:00:00 AM"))});
    const auto before = entries();
    select(0);
    EXPECT_TRUE(edit([&](QWidget* window) {
        ASSERT_EQ(focusName(), QStringLiteral("Command2"));
        press(Qt::Key_Return);
        EXPECT_FALSE(window->isVisible());
    }));
    EXPECT_EQ(entries(), before);

    EXPECT_TRUE(edit([&](QWidget* window) {
        press(Qt::Key_Enter); // the keypad's Enter too
        EXPECT_FALSE(window->isVisible());
    }));
    EXPECT_EQ(entries(), before);
}

TEST_F(EditWindowTest, TabOnceThenEnterSavesUnchangedValuesWithTodaysDate)
{
    const ScheduleEntry other = entry(QStringLiteral("08:00:00 AM"));
    fill({entry(QStringLiteral("07:05:09 PM"), QStringLiteral("Disabled"), QStringLiteral("Once"),
                QStringLiteral("Logoff")),
          other});
    select(0);
    EXPECT_TRUE(edit([&](QWidget* window) {
        press(Qt::Key_Tab);
        EXPECT_EQ(focusName(), QStringLiteral("cmbHour"));
        EXPECT_TRUE(button(window, "Command1")->isEnabled());
        press(Qt::Key_Return);
        EXPECT_FALSE(window->isVisible());
    }));
    const ScheduleEntry saved{QStringLiteral("12/7/2026 07:05:09 PM"), QStringLiteral("Disabled"),
                              QStringLiteral("Once"), QStringLiteral("Logoff")};
    EXPECT_EQ(entries(), (std::vector<ScheduleEntry>{other, saved}));

    // Enter from a selector further along the tab order saves as well.
    select(0);
    EXPECT_TRUE(edit([&](QWidget*) {
        for (int i = 0; i < 7; ++i)
            press(Qt::Key_Tab);
        EXPECT_EQ(focusName(), QStringLiteral("CmbFrequency"));
        press(Qt::Key_Down);
        press(Qt::Key_Return);
    }));
    ASSERT_EQ(schedule().count(), 2);
    EXPECT_EQ(schedule().entry(0), saved);
    EXPECT_EQ(schedule().entry(1).Frequency, QStringLiteral("WeekDays")) << "Daily, one down";
}

TEST_F(EditWindowTest, CancelEscAndTheCloseBoxChangeNothingEvenAfterValuesChanged)
{
    fill({entry(QStringLiteral("07:00:00 AM")), entry(QStringLiteral("08:00:00 AM")),
          entry(QStringLiteral("09:00:00 AM"))});
    const auto before = entries();
    const std::pair<const char*, std::function<void(QWidget*)>> ways[] = {
        {"Cancel", [](QWidget* window) { QTest::mouseClick(button(window, "Command2"), Qt::LeftButton); }},
        {"Esc", [](QWidget*) { press(Qt::Key_Escape); }},
        {"close box", [](QWidget* window) { EXPECT_TRUE(window->close()); }},
    };
    for (const auto& [way, close] : ways) {
        select(1);
        EXPECT_TRUE(edit([&](QWidget* window) {
            press(Qt::Key_Tab);
            press(Qt::Key_Down);
            press(Qt::Key_Tab);
            press(Qt::Key_Down);
            EXPECT_EQ(combo(window, "cmbHour")->currentText(), QStringLiteral("09"));
            ASSERT_TRUE(button(window, "Command1")->isEnabled());
            close(window);
            EXPECT_FALSE(window->isVisible()) << way;
        })) << way;
        EXPECT_EQ(entries(), before) << way;
    }
}

TEST_F(EditWindowTest, UnknownFrequencyOrEventIsSavedAsEmptyUnlessChosen)
{
    fill({entry(QStringLiteral("07:00:00 AM"), QStringLiteral("Enabled"), QStringLiteral("Monthly"),
                QStringLiteral("Hibernate"))});
    select(0);
    EXPECT_TRUE(edit([&](QWidget* window) {
        EXPECT_EQ(combo(window, "CmbFrequency")->currentText(), QString());
        press(Qt::Key_Tab);
        QTest::mouseClick(button(window, "Command1"), Qt::LeftButton);
    }));
    ASSERT_EQ(schedule().count(), 1);
    EXPECT_EQ(schedule().entry(0).Frequency, QString());
    EXPECT_EQ(schedule().entry(0).Event, QString());
    EXPECT_EQ(schedule().entry(0).Status, QStringLiteral("Enabled"));

    // Choosing one then stores it.
    select(0);
    EXPECT_TRUE(edit([&](QWidget* window) {
        for (int i = 0; i < 7; ++i)
            press(Qt::Key_Tab);
        press(Qt::Key_Down);
        QTest::mouseClick(button(window, "Command1"), Qt::LeftButton);
    }));
    EXPECT_EQ(schedule().entry(0).Frequency, QStringLiteral("Once"));
}

TEST_F(EditWindowTest, UnknownStatusOpensAndIsSavedAsDisabled)
{
    fill({entry(QStringLiteral("07:00:00 AM"), QStringLiteral("ENABLED"))});
    select(0);
    EXPECT_TRUE(edit([&](QWidget* window) {
        EXPECT_EQ(combo(window, "CmbStatus")->currentText(), QStringLiteral("Disabled"));
        press(Qt::Key_Tab);
        press(Qt::Key_Return);
    }));
    ASSERT_EQ(schedule().count(), 1);
    EXPECT_EQ(schedule().entry(0).Status, QStringLiteral("Disabled"));
}

TEST_F(EditWindowTest, EmptyScheduleSaysNothingToEditForTheButtonAndADoubleClick)
{
    ModalDriver driver([](QWidget*) {});
    QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
    EXPECT_EQ(env.messages, QStringList{QStringLiteral("Nothing to Edit")});
    EXPECT_EQ(env.captions, QStringList{QStringLiteral("Lullwick")});

    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(env.messages,
              (QStringList{QStringLiteral("Nothing to Edit"), QStringLiteral("Nothing to Edit")}));
    EXPECT_EQ(schedule().count(), 0);
    EXPECT_FALSE(driver.ran());
}

TEST_F(EditWindowTest, DoubleClickOnARowOpensTheEditWindow)
{
    fill({entry(QStringLiteral("07:00:00 AM")), entry(QStringLiteral("03:30:00 PM"))});
    select(1);
    QString hour;
    ModalDriver driver([&](QWidget* window) {
        hour = combo(window, "cmbHour")->currentText();
        press(Qt::Key_Escape);
    });
    const QRect row = table->visualRect(schedule().index(1, 0));
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_TRUE(driver.ran());
    EXPECT_FALSE(driver.leftOpen());
    EXPECT_EQ(hour, QStringLiteral("03"));
    EXPECT_TRUE(env.messages.isEmpty());
}

TEST_F(EditWindowTest, SaveReplacesTheEntryItWasOpenedForWhateverHappensMeanwhile)
{
    const ScheduleEntry once =
        entry(QStringLiteral("07:00:00 AM"), QStringLiteral("Enabled"), QStringLiteral("Once"));
    const ScheduleEntry second = entry(QStringLiteral("08:00:00 AM"));
    const ScheduleEntry third = entry(QStringLiteral("09:00:00 AM"));
    const ScheduleEntry saved{QStringLiteral("12/7/2026 10:00:00 AM"), QStringLiteral("Enabled"),
                              QStringLiteral("Daily"), QStringLiteral("Shutdown")};
    // What the schedule check can do while the window is open: carry out a due "Once" entry
    // and put it back when the system refuses the event, or carry it out for good.
    const auto refusedOnce = [&] {
        schedule().removeAt(0);
        schedule().insert(0, once);
    };
    const auto doneOnce = [&] { schedule().removeAt(0); };
    const struct {
        const char* meanwhile;
        int openedOn;
        std::function<void()> change;
        std::vector<ScheduleEntry> after;
    } cases[] = {
        {"nothing", 2, [] {}, {once, second, saved}},
        {"another row selected", 2, [&] { select(0); }, {once, second, saved}},
        {"the selection cleared", 2, [&] { table->clearSelection(); }, {once, second, saved}},
        {"an earlier entry refused and put back", 2, refusedOnce, {once, second, saved}},
        {"an earlier entry carried out", 2, doneOnce, {second, saved}},
        {"the entry itself carried out and put back", 0, refusedOnce, {once, second, third}},
        {"the entry itself carried out", 0, doneOnce, {second, third}},
    };
    for (const auto& c : cases) {
        fill({once, second, third});
        select(c.openedOn);
        EXPECT_TRUE(edit([&](QWidget* window) {
            press(Qt::Key_Tab); // to the hour, one up from the entry's own
            combo(window, "cmbHour")->setCurrentText(QStringLiteral("10"));
            c.change();
            QTest::mouseClick(button(window, "Command1"), Qt::LeftButton);
            EXPECT_FALSE(window->isVisible());
        })) << c.meanwhile;
        EXPECT_EQ(entries(), c.after) << c.meanwhile;
    }
}

TEST_F(EditWindowTest, AnUnreadableRecordOpensAtOneOClockAndSavesAReadableOne)
{
    fill({{QStringLiteral("not a time"), QStringLiteral("Enabled"), QStringLiteral("Daily"),
           QStringLiteral("Reboot")}});
    ASSERT_EQ(schedule().cell(0, ScheduleList::TimeColumn), QString());
    select(0);
    EXPECT_TRUE(edit([&](QWidget* window) {
        EXPECT_EQ(combo(window, "cmbHour")->currentText(), QStringLiteral("01"));
        EXPECT_EQ(combo(window, "CmbMinute")->currentText(), QStringLiteral("00"));
        EXPECT_EQ(combo(window, "CmbSecond")->currentText(), QStringLiteral("00"));
        EXPECT_EQ(combo(window, "CmbAMPM")->currentText(), QStringLiteral("PM"));
        press(Qt::Key_Tab);
        press(Qt::Key_Return);
    }));
    ASSERT_EQ(schedule().count(), 1);
    EXPECT_EQ(schedule().entry(0).SetTime, QStringLiteral("12/7/2026 01:00:00 PM"));
    EXPECT_EQ(schedule().secondsOfDay(0), std::optional<int>(13 * 3600));
}

TEST_F(EditWindowTest, AWeeklyEntryKeepsTheDayChosenForItWhenSaved)
{
    // Today is Monday 12/7/2026; the entry was made for Fridays.
    const ScheduleEntry friday{QStringLiteral("12/11/2026 07:00:00 PM"), QStringLiteral("Enabled"),
                               QStringLiteral("Weekly"), QStringLiteral("Reboot")};
    const struct {
        const char* frequency;
        const char* day;
        bool dayAvailable;
        QString savedRecord;
    } cases[] = {
        {"Weekly", "Friday", true, "12/11/2026 07:00:00 PM"}, // unchanged: still Fridays
        {"Weekly", "Monday", true, "12/7/2026 07:00:00 PM"},  // today
        {"Weekly", "Sunday", true, "12/13/2026 07:00:00 PM"}, // later this week
        {"Daily", "Friday", false, "12/7/2026 07:00:00 PM"},  // the day is not used
    };
    for (const auto& c : cases) {
        fill({friday});
        select(0);
        EXPECT_TRUE(edit([&](QWidget* window) {
            QComboBox* day = combo(window, "CmbWeekday");
            EXPECT_EQ(day->currentText(), QStringLiteral("Friday")) << "preset from the record's date";
            combo(window, "CmbFrequency")->setCurrentText(QLatin1String(c.frequency));
            EXPECT_EQ(day->isEnabled(), c.dayAvailable) << c.frequency;
            day->setCurrentText(QLatin1String(c.day));
            press(Qt::Key_Tab);
            press(Qt::Key_Return);
        })) << c.day;
        ASSERT_EQ(schedule().count(), 1);
        EXPECT_EQ(schedule().entry(0).SetTime, c.savedRecord) << c.frequency << " " << c.day;
        EXPECT_EQ(schedule().entry(0).Frequency, QLatin1String(c.frequency));
    }
}
