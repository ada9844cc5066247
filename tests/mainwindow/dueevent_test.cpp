#include "desktop/clockchange.h"
#include "desktop/paths.h"
#include "execution/warningwindow.h"
#include "schedule/sampleschedules.h"
#include "schedule/schedulestore.h"
#include "schedule/timetext.h"
#include "support/windowharness.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QDate Saturday(2026, 12, 5);
const QDate Monday(2026, 12, 7);

class DueEventTest : public ::testing::Test, protected WindowHarness {
protected:
    DueEventTest() : WindowHarness(QDateTime(Monday, QTime(19, 30, 0))) {}

    void SetUp() override { ASSERT_TRUE(form->startUp()); }

    void addEntry(const QString& time, const QString& frequency,
                  const QString& event = QStringLiteral("Shutdown"),
                  const QString& status = QStringLiteral("Enabled"), const QDate& made = Monday)
    {
        form->schedule().append(
            {QStringLiteral("%1/%2/%3 %4").arg(made.month()).arg(made.day()).arg(made.year()).arg(time),
             status, frequency, event});
    }
    // Lets the clock run up to `when`, ticking once on the way, as the running timer would.
    void runUntil(const QDateTime& when)
    {
        clock.set(when.addSecs(-1));
        tick();
        clock.set(when);
    }
    void setCount(const QString& seconds) { child<QLineEdit>("CountTimer")->setText(seconds); }
    void setOption(const char* name, bool on) { child<QCheckBox>(name)->setChecked(on); }

    // Runs `trigger`; when it opens the warning, `whileOpen` drives the open window and must
    // close it. Returns whether the warning opened.
    bool during(const std::function<void()>& trigger, const std::function<void(WarningWindow&)>& whileOpen)
    {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* warning = qobject_cast<WarningWindow*>(QApplication::activeModalWidget());
            if (!warning)
                return;
            opened = true;
            seenWhileOpen = {form->isVisible(), tray.visible, form->isSchedulerStarted()};
            if (whileOpen)
                whileOpen(*warning);
            if (warning->isVisible()) {
                ADD_FAILURE() << "the test left the warning open";
                warning->abort();
            }
        });
        trigger();
        QCoreApplication::processEvents();
        return opened;
    }
    // Runs one tick of the schedule check, as `during` does.
    bool tick(const std::function<void(WarningWindow&)>& whileOpen = {})
    {
        return during([this] { form->checkTick(); }, whileOpen);
    }
    // Lets time pass up to `until` with the check's timers firing as they are due, aborting
    // each warning at once; returns the seconds (since the epoch) in which a warning opened.
    std::vector<qint64> sleepUntil(const QDateTime& until)
    {
        std::vector<qint64> warned;
        for (auto wake = clock.nextWake(); wake && *wake <= until; wake = clock.nextWake()) {
            ++wakes;
            during([this] { clock.fireNextWake(); },
                   [&](WarningWindow& w) {
                       warned.push_back(Clock::now().toSecsSinceEpoch());
                       w.abort();
                   });
        }
        clock.advanceMs(Clock::now().msecsTo(until));
        return warned;
    }
    ClockChangeWatcher& clockChange() const { return *form->findChild<ClockChangeWatcher*>(); }

    // Lets the countdown tick until the window closes.
    static void countDown(WarningWindow& warning)
    {
        for (int i = 0; i < 1000 && warning.isVisible(); ++i)
            warning.countDown();
    }

    QByteArray logContents() const
    {
        QFile log(Paths::logFile());
        return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
    }

    struct Seen {
        bool mainVisible = true;
        bool trayVisible = true;
        bool checking = true;
    } seenWhileOpen;
    int wakes = 0;
};

} // namespace

// Each way of aborting brings the window, the tray icon and the check back and keeps the entry;
// an abort holds for the rest of the entry's second, and the entry runs again the next day.
TEST_F(DueEventTest, AbortBringsEverythingBackAndHoldsForTheEntrysSecond)
{
    addEntry("07:30:00 PM", "Daily");
    const std::function<void(WarningWindow&)> aborts[] = {
        [](WarningWindow& w) {
            QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("btnAbort")), Qt::LeftButton);
        },
        [](WarningWindow& w) { QTest::keyClick(&w, Qt::Key_Return); },
        [](WarningWindow& w) { QTest::keyClick(&w, Qt::Key_Escape); },
    };
    int day = 0;
    for (const auto& abort : aborts) {
        SCOPED_TRACE(day);
        runUntil(QDateTime(Monday.addDays(day++), QTime(19, 30, 0)));
        form->hide();
        EXPECT_FALSE(tick()) << "the first tick only finds the entry";
        EXPECT_EQ(form->dueEvent().DueTime, QStringLiteral("07:30:00 PM"));
        clock.advanceMs(100);
        EXPECT_TRUE(tick([&](WarningWindow& w) {
            EXPECT_TRUE(w.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
            w.countDown();
            abort(w);
        }));
        EXPECT_FALSE(seenWhileOpen.mainVisible || seenWhileOpen.trayVisible || seenWhileOpen.checking);
        EXPECT_TRUE(form->isVisible() && tray.visible && form->isSchedulerStarted());
        EXPECT_EQ(form->schedule().count(), 1);
        clock.advanceMs(100);
        EXPECT_FALSE(tick()) << "not warned about again within its second";
        clock.advanceSeconds(1);
        EXPECT_FALSE(tick());
        EXPECT_TRUE(form->dueEvent().isEmpty());
    }
    EXPECT_TRUE(power.requests.empty());
    EXPECT_EQ(env.programEnds, 0);
}

// Captions count down to 0 from the count (one that is not a number, or negative, counts 10);
// the sound plays on the even seconds left; the tick that shows 0 completes.
TEST_F(DueEventTest, CountdownTable)
{
    addEntry("07:30:00 PM", "Daily", "Reboot");
    setOption("EventSound", true);
    const struct {
        const char* count;
        std::vector<int> captions;
        std::vector<int> playsAfterTick;
    } rows[] = {
        {"5", {4, 3, 2, 1, 0}, {0, 1, 1, 2, 2}},
        {"0", {0}, {0}},
        {"1", {1, 0}, {1, 1}},
        {"2", {1, 0}, {1, 1}},
        {"2.5", {1, 0}, {1, 1}},
        {"abc", {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}, {1, 1, 2, 2, 3, 3, 4, 4, 5, 5}},
        {"-3", {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}, {1, 1, 2, 2, 3, 3, 4, 4, 5, 5}},
    };
    int day = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.count);
        runUntil(QDateTime(Monday.addDays(day++), QTime(19, 30, 0)));
        setCount(QLatin1String(row.count));
        tick();
        clock.advanceMs(100);
        std::vector<int> captions, plays;
        const int playsBefore = sound.plays, endsBefore = env.programEnds;
        EXPECT_TRUE(tick([&](WarningWindow& w) {
            for (int i = 0; i < 20 && w.isVisible(); ++i) {
                w.countDown();
                const QString caption = w.findChild<QPushButton*>(QStringLiteral("btnAbort"))->text();
                captions.push_back(caption.section(QLatin1Char('('), 1).chopped(1).toInt());
                plays.push_back(sound.plays - playsBefore);
            }
        }));
        EXPECT_EQ(captions, row.captions);
        EXPECT_EQ(plays, row.playsAfterTick);
        EXPECT_EQ(env.programEnds, endsBefore + 1);
    }
    EXPECT_EQ(power.requests, std::vector<int>(std::size(rows), 6));
    EXPECT_EQ(form->schedule().count(), 1) << "a daily entry stays";
    EXPECT_FALSE(tray.visible) << "no tray icon comes back when the program ends";
    EXPECT_TRUE(
        logContents().startsWith("\"Reboot at 7:30:00 PM on 12/7/2026\"\r\n\"Reboot at 7:30:00 PM on 12/8"));
}

TEST_F(DueEventTest, EveryCompletionSavesTheWholeScheduleBeforeTheRequest)
{
    // The entry due at 07:30 has each frequency in turn; the others were added since the last
    // save. A "Once" entry is gone from the list and the store, the others stay in both.
    setCount("0");
    int week = 0;
    for (const char* frequency : {"Once", "Daily", "WeekDays", "Weekly"}) {
        form->schedule().clear();
        addEntry("07:29:00 PM", "Daily");
        addEntry("07:30:00 PM", QLatin1String(frequency), "PowerOff");
        addEntry("07:31:00 PM", "Weekly");
        QFile::remove(Paths::settingsFile());
        power.requests.clear();
        runUntil(QDateTime(Monday.addDays(7 * week++), QTime(19, 30, 0)));
        tick();
        clock.advanceMs(100);
        EXPECT_TRUE(tick([](WarningWindow& warning) { countDown(warning); }));
        EXPECT_EQ(power.requests, std::vector<int>{12}) << frequency;
        EXPECT_EQ(form->schedule().count(), QLatin1String(frequency) == QLatin1String("Once") ? 2 : 3);
        ScheduleList stored;
        loadSchedule(Paths::settingsFile(), stored);
        EXPECT_EQ(entriesOf(stored), entriesOf(form->schedule())) << frequency;
    }
}

TEST_F(DueEventTest, SessionEndDuringTheCountdownSavesAtOnceAndAnAbortEndsTheProgram)
{
    addEntry("07:30:00 PM", "Daily");
    setCount("30");
    tick();
    clock.advanceMs(100);
    EXPECT_TRUE(tick([this](WarningWindow& warning) {
        std::raise(SIGTERM);
        EXPECT_TRUE(QTest::qWaitFor([] { return QFile::exists(Paths::settingsFile()); }));
        EXPECT_TRUE(warning.isVisible()) << "the countdown goes on";
        EXPECT_EQ(env.programEnds, 0);
        warning.abort();
    }));
    EXPECT_EQ(env.programEnds, 1);
    ScheduleList stored;
    loadSchedule(Paths::settingsFile(), stored);
    EXPECT_EQ(stored.count(), 1);
    EXPECT_TRUE(power.requests.empty());
}

TEST_F(DueEventTest, RefusedRequestIsReportedAndTheOnceEntryComesBack)
{
    addEntry("07:29:00 PM", "Daily");
    addEntry("07:30:00 PM", "Once", "Logoff");
    setCount("0");
    power.refusal = QStringLiteral("Interactive authentication required.");
    tick();
    clock.advanceMs(100);
    bool abortEnabledAtZero = true;
    EXPECT_TRUE(tick([&](WarningWindow& w) {
        w.countDown();
        abortEnabledAtZero = w.findChild<QPushButton*>(QStringLiteral("btnAbort"))->isEnabled();
    }));
    EXPECT_FALSE(abortEnabledAtZero);
    EXPECT_EQ(power.requests, std::vector<int>{4});
    EXPECT_EQ(env.programEnds, 0);
    ASSERT_EQ(env.messages.size(), 1);
    EXPECT_TRUE(env.messages.first().contains(power.refusal));
    ASSERT_EQ(form->schedule().count(), 2);
    EXPECT_EQ(form->schedule().cell(1, ScheduleList::FrequencyColumn), QStringLiteral("Once"));
    ScheduleList stored;
    loadSchedule(Paths::settingsFile(), stored);
    EXPECT_EQ(stored.count(), 2) << "the entry is back in the store too";
    EXPECT_TRUE(form->isVisible() && tray.visible && form->isSchedulerStarted());
}

TEST_F(DueEventTest, WithAbortDisabledNothingClosesTheWindowUntilTheEnd)
{
    addEntry("07:30:00 PM", "Daily");
    setOption("AbortBtn", false);
    setOption("LogFile", false);
    setCount("3");
    tick();
    clock.advanceMs(100);
    EXPECT_TRUE(tick([](WarningWindow& w) {
        auto* button = w.findChild<QPushButton*>(QStringLiteral("btnAbort"));
        EXPECT_FALSE(button->isEnabled());
        QTest::keyClick(&w, Qt::Key_Escape);
        QTest::keyClick(&w, Qt::Key_Return);
        QTest::mouseClick(button, Qt::LeftButton);
        w.abort();
        EXPECT_FALSE(w.close());
        EXPECT_TRUE(w.isVisible());
        countDown(w);
    }));
    EXPECT_EQ(power.requests, std::vector<int>{5});
    EXPECT_EQ(sound.plays, 0) << "the sound option is off";
    EXPECT_FALSE(QFile::exists(Paths::logFile())) << "logging is off";
}

TEST_F(DueEventTest, DayTestsAndOrderDecideWhatRuns)
{
    // "WeekDays" first at this second on a Saturday: the scan takes it, its day test ends
    // the tick, and the "Daily" entry behind it does not run either; so on a Sunday. "Weekly"
    // made on a Monday runs on neither.
    addEntry("07:30:00 PM", "WeekDays");
    addEntry("07:30:00 PM", "Daily");
    addEntry("07:30:05 PM", "Weekly");
    for (const QDate& weekend : {Saturday, Saturday.addDays(8)}) {
        clock.set(QDateTime(weekend, QTime(19, 30, 0)));
        for (int i = 0; i < 60; ++i) {
            EXPECT_FALSE(tick()) << weekend.toString().toStdString();
            clock.advanceMs(100);
        }
    }
    EXPECT_TRUE(power.requests.empty());

    // Two entries at the same second on a Monday: only the first is handed over.
    form->schedule().clear();
    clock.set(QDateTime(Monday, QTime(19, 30, 0)));
    addEntry("07:30:00 PM", "Daily", "Reboot");
    addEntry("07:30:00 PM", "Daily", "PowerOff");
    setCount("0");
    tick();
    clock.advanceMs(100);
    EXPECT_TRUE(tick([](WarningWindow& w) { countDown(w); }));
    EXPECT_EQ(power.requests, std::vector<int>{6});
}

namespace {

QDateTime utc(const QDate& date, int h, int m, int s = 0)
{
    return QDateTime(date, QTime(h, m, s), Qt::UTC).toLocalTime();
}

} // namespace

// The check sleeps between the seconds in which an entry can be due, and still carries each
// entry out in its own second, as a tick every 100 ms would: after long sleeps, across clock
// changes, sleeps of the computer, changes of the schedule and daylight-saving nights.
TEST_F(DueEventTest, WakesOnlyForSecondsInWhichAnEntryCanBeDue)
{
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "Europe/Berlin");
    tzset();
    const auto restoreZone = qScopeGuard([&] {
        zone.isEmpty() ? qunsetenv("TZ") : qputenv("TZ", zone);
        tzset();
    });
    const auto at = [](int h, int m, int s = 0, int ms = 0) { return QDateTime(Monday, QTime(h, m, s, ms)); };
    // Sets the clock as the user does (or as a resume from sleep does), with the signal for it.
    const auto set = [this](const QDateTime& when, bool resumed = false) {
        return [this, when, resumed] {
            clock.set(when);
            emit(resumed ? clockChange().resumed() : clockChange().clockSet());
        };
    };
    const auto click = [this](std::vector<const char*> buttons) {
        return [this, buttons] {
            for (const char* button : buttons)
                QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
        };
    };
    const auto add = [this] { addEntry("07:30:00 PM", "Daily"); };
    QStringList thousand;
    for (int i = 0; i < 1000; ++i)
        thousand << formatTimeText(8 * 3600 + i * 7);
    const QDate springForward(2027, 3, 28);
    const QDate fallBack(2026, 10, 25);
    struct Case {
        const char* name;
        QDateTime start;
        QStringList entries; // daily, made before the start
        QDateTime actAt;
        std::function<void()> act;
        QDateTime until;
        std::vector<QDateTime> warned; // the seconds in which the warning opens
    };
    const QStringList due{"07:30:00 PM"}, night{"02:30:00 AM", "03:00:00 AM"};
    // clang-format off
    const Case cases[] = {
        {"found after a 59-minute sleep", at(18, 31), due, {}, {}, at(19, 31), {at(19, 30)}},
        {"1,000 entries none due in the hour", at(18, 30), thousand, {}, {}, at(19, 30), {}},
        {"due 61 s ahead, past the first look", at(19, 29), {"07:30:01 PM"}, {}, {}, at(19, 31),
         {at(19, 30, 1)}},
        {"clock set forward past an entry skips it", at(19, 29), {"07:30:00 PM", "07:31:00 PM"},
         at(19, 29, 10), set(at(19, 30, 30)), at(19, 32), {at(19, 31)}},
        {"clock set back before an entry fires it", at(19, 31), due,
         at(19, 31), set(at(19, 29, 59, 500)), at(19, 31), {at(19, 30)}},
        {"resume after the entry's second", at(19, 29), due,
         at(19, 29), set(at(19, 30, 30), true), at(19, 32), {}},
        {"resume before the entry's second", at(19, 29), due,
         at(19, 29), set(at(19, 29, 59), true), at(19, 31), {at(19, 30)}},
        {"Add of an entry due in 2 s while asleep", at(19, 29, 30), {"09:00:00 PM"},
         at(19, 29, 58), add, at(19, 31), {at(19, 30)}},
        {"Edit that moves an entry to 2 s ahead", at(19, 29, 30), {"09:00:00 PM"},
         at(19, 29, 58), [&, this] { add(); form->schedule().removeAt(0); }, at(19, 31), {at(19, 30)}},
        {"Delete while asleep", at(19, 29), due,
         at(19, 29, 30), [this] { form->schedule().removeAt(0); }, at(19, 31), {}},
        {"Disable while asleep", at(19, 29), due, at(19, 29, 30), click({"disablebtn"}), at(19, 31), {}},
        {"Disable and Start while asleep", at(19, 29), due,
         at(19, 29, 30), click({"disablebtn", "Startbtn"}), at(19, 31), {at(19, 30)}},
        {"Start after the entry's second passed while disabled", at(19, 29), due,
         at(19, 29, 59),
         [&, this] { click({"disablebtn"})(); clock.set(at(19, 30, 1));
                     click({"Startbtn"})(); }, at(19, 31), {}},
        {"spring forward: no 02:30, 03:00 once", utc(springForward, 0, 58, 30), night,
         {}, {}, utc(springForward, 1, 1), {utc(springForward, 1, 0)}},
        {"fall back: 02:30 twice, 03:00 once", utc(fallBack.addDays(-1), 23, 59), night,
         {}, {}, utc(fallBack, 2, 1), {utc(fallBack, 0, 30), utc(fallBack, 1, 30), utc(fallBack, 2, 0)}},
    };
    // clang-format on
    for (const Case& c : cases) {
        form.reset();
        clock.set(c.start);
        form = newForm();
        for (const QString& time : c.entries)
            addEntry(time, "Daily", "Shutdown", "Enabled", c.start.date().addDays(-1));
        ASSERT_TRUE(form->startUp());
        wakes = 0;
        std::vector<qint64> warned;
        if (c.act) {
            warned = sleepUntil(c.actAt);
            c.act();
        }
        for (qint64 second : sleepUntil(c.until))
            warned.push_back(second);
        std::vector<qint64> expected;
        for (const QDateTime& second : c.warned)
            expected.push_back(second.toSecsSinceEpoch());
        EXPECT_EQ(warned, expected) << c.name;
        // One wake a minute, and ten ticks through each second in which a warning opens.
        EXPECT_LE(wakes, c.start.secsTo(c.until) / 60 + 2 + 12 * qsizetype(c.warned.size())) << c.name;
    }
}

// The tray's tooltip names what runs next, from each plan: after changes of the schedule and
// the scheduler, after an entry's second has passed, with the day tests of the coming days.
TEST_F(DueEventTest, TrayTooltipNamesTheNextEvent)
{
    const QDate friday = Monday.addDays(4);
    clock.set(QDateTime(Monday, QTime(19, 0)));
    emit clockChange().clockSet();
    const auto add = [this](const char* time, const char* frequency, const char* event) {
        return [=, this] { addEntry(time, frequency, event); };
    };
    const auto click = [this](const char* button) {
        return [=, this] { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); };
    };
    const std::pair<std::function<void()>, const char*> steps[] = {
        {[] {}, "Nothing scheduled"},
        {add("07:30:00 PM", "Daily", "Reboot"), "Next: Reboot at 07:30:00 PM"},
        {add("08:00:00 PM", "Daily", "PowerOff"), "Next: Reboot at 07:30:00 PM"},
        {[this] { sleepUntil(QDateTime(Monday, QTime(19, 31))); }, "Next: PowerOff at 08:00:00 PM"},
        {click("disablebtn"), "Scheduler stopped"},
        {click("Startbtn"), "Next: PowerOff at 08:00:00 PM"},
        {[&, this] {
             form->schedule().clear();
             clock.set(QDateTime(friday, QTime(23, 58, 30)));
             emit clockChange().clockSet();
         },
         "Nothing scheduled"},
        {add("08:00:00 AM", "WeekDays", "Shutdown"), "Next: Shutdown at 08:00:00 AM"},
        {add("09:00:00 AM", "Daily", "Logoff"), "Next: Logoff at 09:00:00 AM"},
        {[&, this] { sleepUntil(QDateTime(friday.addDays(1), QTime(0, 1))); }, "Next: Logoff at 09:00:00 AM"},
    };
    for (const auto& [step, status] : steps) {
        step();
        EXPECT_EQ(tray.toolTip, QStringLiteral("Lullwick\n") + QLatin1String(status));
    }
}
