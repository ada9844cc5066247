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

    ScheduleList& schedule() { return form->schedule(); }
    QTreeView* table() const { return child<QTreeView>("mainListview"); }
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
    void select(int row) { table()->setCurrentIndex(schedule().index(row, 0)); }
    // Selects `row`, presses Edit and lets `action` drive the Edit Window.
    void edit(int row, const std::function<void(QWidget*)>& action)
    {
        select(row);
        ModalDriver driver(action);
        child<QPushButton>("Command2")->click();
        EXPECT_TRUE(driver.ran());
        EXPECT_FALSE(driver.leftOpen()) << "the Edit Window stayed open";
    }
};

} // namespace

// Today is Monday 12/7/2026. The window opens preset from the entry: only "Enabled" itself as
// Enabled, a frequency or event the selector does not offer empty, an unreadable record at
// 01:00:00 PM. Entering any selector makes Save available, and Enter there saves: the entry moves
// to the end, dated today, a "Weekly" one the day chosen in this week.
TEST_F(EditWindowTest, SaveStoresWhatTheSelectorsShowAsTheLastEntry)
{
    const struct {
        const char* opened;
        const char* shown;  // the selectors' texts, as Selectors
        const char* via;    // the selector entered
        const char* chosen; // as Selectors; "" leaves one as it is
        const char* saved;
        int secondsOfDay;
    } rows[] = {
        {"11/2/2026 12:00:00 AM", "12|00|00|AM|Enabled|Shutdown|Daily|Monday", "cmbHour", "",
         "12/7/2026 12:00:00 AM", 0},
        {"11/2/2026 12:30:00 PM|Disabled|Weekly|PowerOff", "12|30|00|PM|Disabled|PowerOff|Weekly|Monday",
         "CmbMinute", "", "12/7/2026 12:30:00 PM|Disabled|Weekly|PowerOff", 45000},
        {"12/11/2026 11:59:59 PM|enabled|Monthly|reboot", "11|59|59|PM|Disabled|||Friday", "CmbSecond", "",
         "12/7/2026 11:59:59 PM|Disabled||", 86399},
        {"12/11/2026 07:05:09 AM|Enabled|Weekly|Logoff", "07|05|09|AM|Enabled|Logoff|Weekly|Friday",
         "CmbAMPM", "", "12/11/2026 07:05:09 AM|Enabled|Weekly|Logoff", 25509},
        {"not a time|Enabled|Once|Reboot", "01|00|00|PM|Enabled|Reboot|Once|Monday", "CmbStatus", "",
         "12/7/2026 01:00:00 PM|Enabled|Once|Reboot", 46800},
        {"11/2/2026 07:05:09 AM", "07|05|09|AM|Enabled|Shutdown|Daily|Monday", "CmbEvent",
         "08||10|PM|Disabled|PowerOff|WeekDays", "12/7/2026 08:05:10 PM|Disabled|WeekDays|PowerOff", 72310},
        {"12/11/2026 07:00:00 PM|Enabled|Weekly", "07|00|00|PM|Enabled|Shutdown|Weekly|Friday", "CmbWeekday",
         "|||||||Sunday", "12/13/2026 07:00:00 PM|Enabled|Weekly", 68400},
        {"12/11/2026 07:00:00 PM|Enabled|Weekly", "07|00|00|PM|Enabled|Shutdown|Weekly|Friday",
         "CmbFrequency", "||||||Daily|", "12/7/2026 07:00:00 PM", 68400},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.opened);
        const ScheduleEntry other = entry("11/2/2026 06:00:00 AM");
        fill({entry(row.opened), other});
        edit(0, [&](QWidget* window) {
            QStringList shown;
            const QStringList chosen = QString::fromLatin1(row.chosen).split(u'|');
            for (qsizetype i = 0; i < std::ssize(Selectors); ++i) {
                shown << in(window, Selectors[i])->currentText();
                if (!chosen.value(i).isEmpty())
                    in(window, Selectors[i])->setCurrentText(chosen[i]);
            }
            EXPECT_EQ(shown.join(u'|'), QLatin1String(row.shown));
            EXPECT_FALSE(in<QPushButton>(window, "Command1")->isEnabled());
            in(window, row.via)->setFocus(Qt::MouseFocusReason);
            EXPECT_TRUE(in<QPushButton>(window, "Command1")->isEnabled());
            press(Qt::Key_Return);
        });
        EXPECT_EQ(entries(), (std::vector{other, entry(row.saved)}));
        EXPECT_EQ(schedule().secondsOfDay(1), row.secondsOfDay);
    }
}

// Enter right after opening goes to Cancel, which has the focus; Tab leads through the row, passing
// over the day of an entry that is not "Weekly", to Save. Cancel, Esc and the close box change nothing. The
// schedule check can carry out a due "Once" entry while the window is open, and put it back when the system
// refuses: Save replaces the entry the window was opened for, if any.
TEST_F(EditWindowTest, SaveReplacesTheEntryItWasOpenedForWhateverHappensMeanwhile)
{
    const ScheduleEntry once = entry("11/2/2026 07:00:00 AM|Enabled|Once"),
                        second = entry("11/2/2026 08:00:00 AM"), third = entry("11/2/2026 09:00:00 AM"),
                        saved = entry("12/7/2026 10:00:00 AM");
    const std::vector<Qt::Key> up{Qt::Key_Tab, Qt::Key_Down}; // the hour one up
    std::vector<Qt::Key> spaceOnSave(8, Qt::Key_Tab);
    spaceOnSave.push_back(Qt::Key_Space);
    const std::function<void()> nothing = [] {}, done = [&] { schedule().removeAt(0); };
    const std::function<void()> refused = [&] {
        schedule().removeAt(0);
        schedule().insert(0, once);
    };
    const struct {
        const char* way;
        int openedOn;
        std::vector<Qt::Key> keys;
        std::function<void()> meanwhile;
        const char* then; // the button clicked, or "close"
        std::vector<ScheduleEntry> after;
    } rows[] = {
        {"Enter at once", 2, {Qt::Key_Return}, nothing, nullptr, {once, second, third}},
        {"keypad Enter at once", 2, {Qt::Key_Enter}, nothing, nullptr, {once, second, third}},
        {"Esc", 2, {Qt::Key_Tab, Qt::Key_Down, Qt::Key_Escape}, nothing, nullptr, {once, second, third}},
        {"Cancel", 2, up, nothing, "Command2", {once, second, third}},
        {"close box", 2, up, nothing, "close", {once, second, third}},
        {"Save", 2, up, nothing, "Command1", {once, second, saved}},
        {"Tab to Save, Space",
         2,
         spaceOnSave,
         nothing,
         nullptr,
         {once, second, entry("12/7/2026 09:00:00 AM")}},
        {"another row selected", 2, up, [&] { select(0); }, "Command1", {once, second, saved}},
        {"no row selected", 2, up, [&] { table()->clearSelection(); }, "Command1", {once, second, saved}},
        {"an earlier entry refused and put back", 2, up, refused, "Command1", {once, second, saved}},
        {"an earlier entry carried out", 2, up, done, "Command1", {second, saved}},
        {"the entry itself refused and put back", 0, up, refused, "Command1", {once, second, third}},
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
            EXPECT_FALSE(window->isVisible());
        });
        EXPECT_EQ(entries(), row.after) << row.way;
    }
}

// Edit and a double click on the table need an entry.
TEST_F(EditWindowTest, AnEmptyScheduleHasNothingToEdit)
{
    ModalDriver none([](QWidget*) {});
    child<QPushButton>("Command2")->click();
    QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_FALSE(none.ran());
    EXPECT_EQ(env.messages, QStringList(2, QStringLiteral("Nothing to Edit")));
}
