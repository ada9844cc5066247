#include "desktop/clockchange.h"
#include "support/modaldriver.h"
#include "support/windowharness.h"

#include <QComboBox>
#include <QPushButton>
#include <QTreeView>

namespace {

// The selectors row by row, left to right.
const char* const Selectors[] = {"cmbHour",   "CmbMinute", "CmbSecond",    "CmbAMPM",
                                 "CmbStatus", "CmbEvent",  "CmbFrequency", "CmbWeekday"};

// An entry from "record|status|frequency|event"; the fields left off are "Enabled|Daily|Shutdown".
ScheduleEntry entry(const char* fields)
{
    QStringList f = QString::fromLatin1(fields).split(u'|');
    f += QStringList{"", "Enabled", "Daily", "Shutdown"}.mid(f.size());
    return {f[0], f[1], f[2], f[3]};
}

class EditWindowTest : public ::testing::Test, protected WindowHarness {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(startShown()); }
    template <typename T = QComboBox> static T* in(QWidget* w, const char* n) { return w->findChild<T*>(n); }
    // Keys go where the user's keyboard sends them: to the focused control.
    static void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    const ScheduleList& schedule() { return scheduler().schedule(); }
    QTreeView* table() const { return child<QTreeView>("mainListview"); }
    void fill(const std::vector<ScheduleEntry>& entries)
    {
        while (schedule().count() > 0)
            scheduler().removeEntry(0);
        for (const ScheduleEntry& e : entries)
            scheduler().addEntry(e);
    }
    std::vector<ScheduleEntry> entries()
    {
        std::vector<ScheduleEntry> all;
        for (int i = 0; i < schedule().count(); ++i)
            all.push_back(schedule().entry(i));
        return all;
    }
    // The first entry at 07:00:00 AM falls due and, counting 0, is carried out or refused.
    void carryOut(const char* refusal)
    {
        Options options = scheduler().options();
        options.CountTimer = "0";
        scheduler().setOptions(options);
        power.refusal = refusal;
        clock.set({QDate(2026, 12, 7).addDays(++days), QTime(6, 59, 59)}); // each time another day
        QMetaObject::invokeMethod(scheduler().findChild<ClockChangeWatcher*>(), "clockSet");
        bool ended = false;
        const auto end = QObject::connect(&scheduler(), &Scheduler::countdownEnded, [&] { ended = true; });
        while (!ended && clock.nextWake())
            clock.fireNextWake();
        QObject::disconnect(end);
        clock.set({QDate(2026, 12, 7), QTime(7, 0, 1)}); // today again for what is saved next
    }
    int days = 0;
    // Selects `row`, presses Edit and lets `action` drive the Edit Window.
    void edit(int row, const std::function<void(QWidget*)>& action)
    {
        table()->setCurrentIndex(schedule().index(row, 0));
        ModalDriver driver(action);
        child<QPushButton>("Command2")->click();
        EXPECT_TRUE(driver.ran() && !driver.leftOpen()) << "the Edit Window did not open, or stayed open";
    }
};

} // namespace

// Today is Monday 12/7/2026. The selectors open preset from the entry (a status but "Enabled", a value
// not offered, an unreadable record: Disabled, empty, 01:00:00 PM). Entering any selector enables Save,
// and Enter there saves: the entry keeps its place, dated today, a "Weekly" one this week's chosen day.
TEST_F(EditWindowTest, SaveStoresWhatTheSelectorsShowAsTheLastEntry)
{
    // The entry opened, what the selectors show and what is chosen (as Selectors, "" leaving one as it
    // is), the entry saved. Row i enters selector i, then Tab leads on to the next one, or to Save.
    const char* const rows[][4] = {
        {"11/2/2026 12:00:00 AM", "12|00|00|AM|Enabled|Shutdown|Daily|Monday", "", "12/7/2026 12:00:00 AM"},
        {"11/2/2026 12:30:00 PM|Disabled|Weekly|PowerOff", "12|30|00|PM|Disabled|PowerOff|Weekly|Monday", "",
         "12/7/2026 12:30:00 PM|Disabled|Weekly|PowerOff"},
        {"12/11/2026 11:59:59 PM|enabled|Monthly|reboot", "11|59|59|PM|Disabled|||Friday", "",
         "12/7/2026 11:59:59 PM|Disabled||"},
        {"12/11/2026 07:05:09 AM|Enabled|Weekly|Logoff", "07|05|09|AM|Enabled|Logoff|Weekly|Friday", "",
         "12/11/2026 07:05:09 AM|Enabled|Weekly|Logoff"},
        {"not a time|Enabled|Once|Reboot", "01|00|00|PM|Enabled|Reboot|Once|Monday", "",
         "12/7/2026 01:00:00 PM|Enabled|Once|Reboot"},
        {"11/2/2026 07:05:09 AM", "07|05|09|AM|Enabled|Shutdown|Daily|Monday",
         "08||10|PM|Disabled|PowerOff|WeekDays", "12/7/2026 08:05:10 PM|Disabled|WeekDays|PowerOff"},
        {"12/11/2026 07:00:00 PM|Enabled|Weekly", "07|00|00|PM|Enabled|Shutdown|Weekly|Friday",
         "||||||Daily|", "12/7/2026 07:00:00 PM"},
        {"12/11/2026 07:00:00 PM|Enabled|Weekly", "07|00|00|PM|Enabled|Shutdown|Weekly|Friday",
         "|||||||Sunday", "12/13/2026 07:00:00 PM|Enabled|Weekly"},
    };
    for (int row = 0; row < std::ssize(rows); ++row) {
        const auto& [opened, shown, chosen, saved] = rows[row];
        SCOPED_TRACE(opened);
        const ScheduleEntry other = entry("11/2/2026 06:00:00 AM");
        fill({entry(opened), other});
        edit(0, [&](QWidget* window) {
            QStringList texts;
            const QStringList choices = QString::fromLatin1(chosen).split(u'|');
            for (qsizetype i = 0; i < std::ssize(Selectors); ++i) {
                texts << in(window, Selectors[i])->currentText();
                if (!choices.value(i).isEmpty())
                    in(window, Selectors[i])->setCurrentText(choices[i]);
            }
            EXPECT_EQ(texts.join(u'|'), QLatin1String(shown));
            EXPECT_FALSE(in<QPushButton>(window, "Command1")->isEnabled());
            in(window, Selectors[row])->setFocus(Qt::MouseFocusReason);
            EXPECT_TRUE(in<QPushButton>(window, "Command1")->isEnabled());
            press(Qt::Key_Tab); // the day is passed over unless the entry is "Weekly" now
            EXPECT_EQ(QApplication::focusWidget()->objectName(), row < 6 ? Selectors[row + 1] : "Command1");
            press(Qt::Key_Return);
        });
        EXPECT_EQ(entries(), (std::vector{entry(saved), other}));
    }
}

// Enter at once goes to the focused Cancel; Cancel, Esc and the close box change nothing. A due "Once" entry
// can be carried out, or put back when refused, while the window is open: Save replaces the entry it was
// opened for, or says that it is gone.
TEST_F(EditWindowTest, SaveReplacesTheEntryItWasOpenedForWhateverHappensMeanwhile)
{
    const ScheduleEntry once = entry("11/2/2026 07:00:00 AM|Enabled|Once"),
                        second = entry("11/2/2026 08:00:00 AM"), third = entry("11/2/2026 09:00:00 AM"),
                        saved = entry("12/7/2026 10:00:00 AM"),
                        savedOnce = entry("12/7/2026 08:00:00 AM|Enabled|Once");
    const std::vector<Qt::Key> up{Qt::Key_Tab, Qt::Key_Down}; // the hour one up
    const std::function<void()> nothing = [] {}, done = [&] { carryOut(""); },
                                refused = [&] { carryOut("No."); },
                                selectFirst = [&] { table()->setCurrentIndex(schedule().index(0, 0)); };
    const struct {
        const char* way;
        int openedOn;
        std::vector<Qt::Key> keys;
        std::function<void()> meanwhile;
        const char* then; // the button clicked, or "close"
        std::vector<ScheduleEntry> after;
    } rows[] = {
        {"Enter at once", 2, {Qt::Key_Return}, nothing, nullptr, {once, second, third}},
        {"Esc", 2, {Qt::Key_Tab, Qt::Key_Down, Qt::Key_Escape}, nothing, nullptr, {once, second, third}},
        {"Cancel", 2, up, nothing, "Command2", {once, second, third}},
        {"close box", 2, up, nothing, "close", {once, second, third}},
        {"Save", 2, up, nothing, "Command1", {once, second, saved}},
        {"another row selected", 2, up, selectFirst, "Command1", {once, second, saved}},
        {"an earlier entry refused and put back", 2, up, refused, "Command1", {once, second, saved}},
        {"an earlier entry carried out", 2, up, done, "Command1", {second, saved}},
        {"the entry itself refused and put back", 0, up, refused, "Command1", {savedOnce, second, third}},
        {"the entry itself carried out", 0, up, done, "Command1", {second, third}},
    };
    for (const auto& row : rows) {
        fill({once, second, third});
        edit(row.openedOn, [&](QWidget* window) {
            for (const Qt::Key key : row.keys)
                press(key);
            row.meanwhile();
            if (QByteArray(row.then) == "close")
                EXPECT_TRUE(window->close());
            else if (row.then)
                in<QPushButton>(window, row.then)->click();
        });
        EXPECT_EQ(entries(), row.after) << row.way;
        EXPECT_EQ(env.messages.filter("no longer in the schedule").size(),
                  QString(row.way) == "the entry itself carried out")
            << row.way;
        env.messages.clear();
    }
}

// Edit and a double click on the table need an entry.
TEST_F(EditWindowTest, AnEmptyScheduleHasNothingToEdit)
{
    ModalDriver none([](QWidget*) {}); // closes a window that should not open
    child<QPushButton>("Command2")->click();
    QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(env.messages, QStringList(2, QStringLiteral("Nothing to Edit")));
}
