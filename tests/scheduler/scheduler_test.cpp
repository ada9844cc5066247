// The scheduler alone, without a window, on the test's clock; CTest runs it in Berlin time,
// unprivileged.
#include "desktop/clockchange.h"
#include "desktop/paths.h"
#include "execution/eventlog.h"
#include "schedule/checkplanner.h"
#include "schedule/schedulestore.h"
#include "schedule/timetext.h"
#include "support/windowharness.h"

#include <QSignalSpy>
#include <cerrno>
#include <ranges>

namespace {

// The scheduler of a program started on Monday at 19:00.
class SchedulerTest : public ::testing::Test, protected WindowHarness {
protected:
    static inline const QDate Monday{2026, 12, 7};
    static QDateTime at(int h, int m, int s = 0, QDate day = Monday) { return {day, QTime(h, m, s)}; }

    SchedulerTest() : WindowHarness(at(19, 0)) {}
    void SetUp() override { scheduler().load(); }
    // Ends this program and loads a new one, as the next start does: on what it stored, or at the
    // time `fresh` on nothing stored (and no log).
    void restart(const QDateTime& fresh = {})
    {
        app.reset();
        if (fresh.isValid()) {
            QFile::remove(Paths::settingsFile());
            QFile::remove(Paths::logFile());
            clock.set(fresh);
        }
        remake();
        scheduler().load();
    }
    // Adds enabled entries made on Monday: "07:30:00 PM [frequency [event]]", by default daily shutdowns.
    void add(const QStringList& entries)
    {
        for (const QStringList f :
             entries | std::views::transform([](const QString& e) { return e.split(' '); }))
            EXPECT_EQ(scheduler().addEntry({makeRecordText(Monday, f[0] + ' ' + f[1]), "Enabled",
                                            f.value(2, "Daily"), f.value(3, "Shutdown")}),
                      "");
    }
    void setOption(int Options::*option, int value)
    {
        Options options = scheduler().options();
        options.*option = value;
        scheduler().setOptions(options);
    }
    void setCount(const QString& count)
    {
        Options options = scheduler().options();
        options.CountTimer = count;
        scheduler().setOptions(options);
    }
    // Lets time pass up to `until`, the scheduler's timers firing as they fall due, and hands each
    // countdown at its start and at each second to `eachSecond` (by default it aborts at once).
    // Returns when countdowns began, as "Mon 19:30:00".
    QStringList run(const QDateTime& until, const std::function<void()>& eachSecond = {})
    {
        QStringList warned;
        const auto began = QObject::connect(&scheduler(), &Scheduler::countdownStarted, [&] {
            warned << Clock::now().toString("ddd hh:mm:ss");
            eachSecond ? eachSecond() : scheduler().abortCountdown();
        });
        const auto stepped = QObject::connect(&scheduler(), &Scheduler::countdownStepped, [&] {
            if (eachSecond)
                eachSecond();
        });
        const auto ticked = QObject::connect(scheduler().findChild<CheckPlanner*>(), &CheckPlanner::tickDue,
                                             [this] { ++wakes; });
        for (auto wake = clock.nextWake(); wake && *wake <= until; wake = clock.nextWake()) {
            clock.fireNextWake();
            QCoreApplication::processEvents();
        }
        QObject::disconnect(began);
        QObject::disconnect(stepped);
        QObject::disconnect(ticked);
        clock.advanceMs(Clock::now().msecsTo(until));
        return warned;
    }
    QList<QByteArray> logLines() { return contents(Paths::logFile()).split('\n'); }

    int wakes = 0; // the check's
};

} // namespace

// The countdown's one number goes down to 0 from the count (one that is no number, negative or
// beyond 16 bits counts 10; 2.5 rounds to even; 0 and 1 count a second more); the sound plays, when on, as an odd
// number is reached; 0 completes. An abort, allowed by the option, ends it; the check, and the tray
// icon, pause meanwhile.
TEST_F(SchedulerTest, CountdownTable)
{
    // the count, the sound and abort options, whether to abort at each second; the numbers and the
    // sounds played, at the start and after each second
    const std::tuple<const char*, int, int, bool, std::vector<int>, std::vector<int>> rows[] = {
        {"5", 1, 1, false, {5, 4, 3, 2, 1, 0}, {0, 0, 1, 1, 2, 2}},
        {"2.5", 1, 1, false, {2, 1, 0}, {0, 1, 1}},
        {"1", 1, 1, false, {2, 1, 0}, {0, 1, 1}},
        {"0", 1, 1, false, {1, 0}, {0, 0}},
        {"abc", 1, 1, false, {10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}, {0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5}},
        {"32768", 0, 1, false, {10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}, std::vector<int>(11, 0)},
        {"32767", 1, 1, true, {32767}, {0}},
        {"-3", 1, 1, true, {10}, {0}},
        {"3", 1, 0, true, {3, 2, 1, 0}, {0, 0, 1, 1}},
        {"3", 0, 2, true, {3, 2, 1, 0}, {0, 0, 0, 0}},
        {"3", 2, 1, false, {3, 2, 1, 0}, {0, 0, 0, 0}},
    };
    for (const auto& [count, soundOn, abortOn, abortEach, wantSeconds, wantPlays] : rows) {
        SCOPED_TRACE(::testing::Message() << count << " sound " << soundOn << " abort " << abortOn);
        restart(at(19, 29, 59));
        add({"07:30:00 PM Daily Reboot"});
        setOption(&Options::EventSound, soundOn);
        setOption(&Options::AbortBtn, abortOn);
        setCount(count);
        std::vector<int> seconds, plays;
        sound.plays = env.programEnds = 0;
        const QStringList warned = run(at(19, 30, 30), [&] {
            EXPECT_TRUE(scheduler().isCountingDown() && !tray.visible());
            seconds.push_back(scheduler().secondsLeft());
            plays.push_back(sound.plays);
            if (abortEach)
                scheduler().abortCountdown();
        });
        EXPECT_EQ(warned, QStringList{"Mon 19:30:00"});
        const bool completed = seconds.back() == 0;
        EXPECT_EQ(std::tie(seconds, plays), std::tie(wantSeconds, wantPlays));
        EXPECT_EQ(env.programEnds, completed ? 1 : 0);
        EXPECT_TRUE(!scheduler().isCountingDown() && tray.visible());
    }
    EXPECT_EQ(power.requests, std::vector<int>(9, 6)) << "a reboot for each completed countdown";
}

// Every completion saves the whole schedule before the request: a "Once" entry is gone, entries
// added since the last save are kept; of two entries in one second the first runs. A refused
// request is reported and the "Once" entry comes back in its place; after it, and after an abort,
// the window shows the schedule. An abort, or a sleep of the computer during the countdown, carries
// nothing out and a "Once" entry stays, disabled. The log tells each, with the "Log File" option
// on; off, it is left alone.
TEST_F(SchedulerTest, CompletionSavesTheWholeScheduleAndWhatDidNotHappenIsLogged)
{
    const auto complete = [] {};
    bool aborted = false;
    const auto abort = [&] { aborted = true, scheduler().abortCountdown(); };
    const auto sleep = [this] {
        QMetaObject::invokeMethod(scheduler().findChild<ClockChangeWatcher*>(), "resumed");
    };
    const auto postpone = [this] { EXPECT_EQ(scheduler().postpone(), ""); };
    const auto skip = [this] { EXPECT_EQ(scheduler().skipNext(), ""); };
    const auto deleteFirst = [this] { EXPECT_EQ(scheduler().removeEntry(0), ""); }; // as a command may
    // the frequency, the system's refusal, what happens during the countdown, the log option; the
    // power requests, the entries left and the status of the PowerOff entry, the lines logged
    // clang-format off
    const std::tuple<const char*, const char*, std::function<void()>, int, int, int, const char*,
                     const char*> rows[] = {
        {"Once", "", complete, 1, 1, 3, "", "PowerOff at"},
        {"Daily", "", complete, 1, 1, 4, "Enabled", "PowerOff at"},
        {"WeekDays", "", complete, 2, 1, 4, "Enabled", ""},
        {"Weekly", "", complete, 1, 1, 4, "Enabled", "PowerOff at"},
        {"Once", "denied", complete, 1, 1, 4, "Enabled", "PowerOff at|PowerOff refused at 7:30:01 PM on 12/7/2026: denied"},
        {"Once", "", abort, 1, 0, 4, "Disabled", "PowerOff aborted at 7:30:00 PM on 12/7/2026\""},
        {"Daily", "", abort, 0, 0, 4, "Enabled", ""},
        {"Once", "", sleep, 1, 0, 4, "Disabled", "PowerOff skipped at 7:30:00 PM on 12/7/2026: the computer was asleep"},
        {"Once", "", postpone, 1, 0, 5, "Disabled", "PowerOff postponed at 7:30:00 PM on 12/7/2026: until 07:40:00 PM"},
        {"Daily", "", postpone, 1, 0, 5, "Enabled", "PowerOff postponed at"},
        {"Daily", "", skip, 1, 0, 4, "Enabled", "PowerOff skipped at 7:30:00 PM on 12/7/2026\""},
        {"Once", "", deleteFirst, 1, 1, 2, "", "PowerOff at"},
    };
    // clang-format on
    for (const auto& [frequency, refusal, during, logOn, requests, entriesLeft, statusAfter, logged] : rows) {
        SCOPED_TRACE(std::string(frequency) + " " + logged);
        restart(at(19, 29, 59));
        setCount("0");
        setOption(&Options::LogFile, logOn);
        add({"07:29:00 PM", QString("07:30:00 PM %1 PowerOff").arg(frequency), "07:30:00 PM Daily Reboot",
             "07:31:00 PM Weekly"});
        power.requests.clear();
        power.refusal = refusal;
        env.messages.clear();
        aborted = false;
        run(at(19, 30, 30), during);
        EXPECT_EQ(form() && form()->isVisible(), aborted || *refusal) << "the schedule shown after these";
        EXPECT_EQ(power.requests, std::vector<int>(requests, 12));
        EXPECT_EQ(scheduler().schedule().count(), entriesLeft);
        EXPECT_EQ(entriesLeft >= 4 ? scheduler().schedule().cell(1, ScheduleList::StatusColumn) : "",
                  statusAfter);
        const ScheduleEntry added{"12/7/2026 07:40:00 PM", "Enabled", "Once", "PowerOff"}; // ten minutes on
        EXPECT_EQ(entriesLeft == 5 && scheduler().schedule().entry(4) == added, entriesLeft == 5);
        EXPECT_EQ(entriesLeft == 2 && scheduler().schedule().cell(0, ScheduleList::EventColumn) == "Reboot",
                  entriesLeft == 2) << "the entry counted down for is the one removed";
        const QList<QByteArray> lines = logLines(), wanted = QByteArray(logged).split('|');
        ASSERT_EQ(lines.size(), *logged ? wanted.size() + 1 : 1);
        for (qsizetype i = 0; *logged && i < wanted.size(); ++i)
            EXPECT_TRUE(lines[i].startsWith('"' + wanted[i])) << lines[i].toStdString();
        EXPECT_EQ(env.messages, *refusal ? QStringList{"Lullwick could not power off the computer: denied."}
                                         : QStringList());
        QTest::qWait(300); // a change is saved a moment later
        const QByteArray saved = contents(Paths::settingsFile());
        ASSERT_EQ(scheduler().save(), "");
        EXPECT_EQ(contents(Paths::settingsFile()), saved) << "what a save now writes";
        EXPECT_TRUE(scheduler().isStarted() && !scheduler().isCountingDown());
    }
    EXPECT_EQ(env.programEnds, 5);
}

// The notice comes the option's minutes before a run (never with 0), and its actions answer it:
// "Postpone 10 min" and "Skip this time" make no countdown of that run and no request; the first
// adds a "Once" entry ten minutes on, which counts down in its time.
TEST_F(SchedulerTest, TheNoticeBeforeARunAndItsActions)
{
    // the notice's minutes, the action chosen; when the notice showed, the countdowns after it
    const std::tuple<int, const char*, const char*, const char*> rows[] = {
        {5, "", "19:25:00", "Mon 19:30:00"}, {5, "postpone", "19:25:00", "Mon 19:39:00"},
        {5, "skip", "19:25:00", ""},         {15, "skip", "19:15:00", ""},
        {0, "", "", "Mon 19:30:00"},
    };
    for (const auto& [minutes, action, noticeAt, wantWarned] : rows) {
        SCOPED_TRACE(::testing::Message() << minutes << " " << action);
        restart(at(19, 10));
        setOption(&Options::NoticeMinutes, minutes);
        add({"07:30:00 PM Daily Reboot"});
        QString shownAt;
        const auto notice = QObject::connect(&scheduler(), &Scheduler::noticeDue, [&] {
            shownAt = Clock::now().toString("hh:mm:ss");
            EXPECT_EQ(notification.shown, "Reboot at 07:30:00 PM|Next: Reboot today at 07:30:00 PM (in " +
                                              QString::number(minutes) +
                                              " min)|Postpone 10 min|Skip this time");
            EXPECT_FALSE(notification.critical);
        });
        run(at(19, 29), [] {});
        QObject::disconnect(notice);
        EXPECT_EQ(shownAt, noticeAt);
        if (*action)
            emit notification.actionInvoked(action);
        EXPECT_EQ(run(at(19, 50)).join(' '), wantWarned);
        EXPECT_TRUE(power.requests.empty());
    }
}

// The check sleeps until the next second in which an entry can be due, however far, and still
// counts down for each entry in its own second: after long sleeps, across clock changes, sleeps of
// the computer, schedule changes, day tests (an entry that does not run that day hides none at the
// same second) and daylight-saving nights. An entry of a kind it does not know never runs. Held up
// past an entry's second, it carries the entry out late, up to a minute; later, it logs it as missed.
TEST_F(SchedulerTest, WakesOnlyForSecondsInWhichAnEntryCanBeDue)
{
    // Sets the clock as the user, or a wake from sleep, does.
    const auto set = [this](const QDateTime& when, const char* signal) {
        return [=, this] {
            clock.set(when);
            QMetaObject::invokeMethod(scheduler().findChild<ClockChangeWatcher*>(), signal);
        };
    };
    const QDate saturday = Monday.addDays(-2), spring(2027, 3, 28), autumn(2026, 10, 25);
    const QStringList due{"07:30:00 PM"}, night{"02:30:00 AM", "03:00:00 AM"};
    // clang-format off
    // from the start, with the entries, `act` at `actAt`, until the end: the countdowns
    const std::tuple<const char*, QDateTime, QStringList, QDateTime, std::function<void()>, QDateTime,
                     const char*> rows[] = {
        {"a day's sleep", at(19, 31), due, {}, {}, at(19, 31, 0, Monday.addDays(1)), "Tue 19:30:00"},
        {"clock set back", at(19, 31), due, at(19, 31), set(at(19, 29, 59).addMSecs(500), "clockSet"),
         at(19, 31), "Mon 19:30:00"},
        {"resume before", at(19, 29), due, at(19, 29), set(at(19, 29, 59), "resumed"), at(19, 31),
         "Mon 19:30:00"},
        {"resume after", at(19, 29), due, at(19, 29), set(at(19, 30, 1), "resumed"), at(19, 31), ""},
        {"Add while asleep", at(19, 29, 30), {"09:00:00 PM"}, at(19, 29, 58),
         [this] { add({"07:30:00 PM"}); }, at(19, 31), "Mon 19:30:00"},
        {"Edit while asleep", at(19, 29, 30), {"09:00:00 PM Daily Reboot"}, at(19, 29, 58),
         [this] { scheduler().replaceEntry(scheduler().schedule().id(0), {makeRecordText(Monday, "07:30:00 PM"), "Enabled", "Daily", "Reboot"}); },
         at(19, 31), "Mon 19:30:00"},
        {"Disable and Start", at(19, 29), due, at(19, 29, 30), [this] { scheduler().stop(); }, at(19, 31), ""},
        {"Saturday", at(19, 29, 0, saturday), {"07:30:00 PM WeekDays", "07:30:00 PM", "07:30:05 PM Weekly"},
         {}, {}, at(19, 31, 0, saturday), "Sat 19:30:00"},
        {"Tuesday", at(9, 59, 0, Monday.addDays(1)), {"10:00:00 AM Weekly PowerOff", "10:00:00 AM Daily Reboot"},
         {}, {}, at(10, 1, 0, Monday.addDays(1)), "Tue 10:00:00"},
        {"unknown kinds", at(19, 29), {"07:30:00 PM Daily Sleep", "07:30:00 PM Sometimes"}, {}, {},
         at(19, 31), ""},
        {"held up a second", at(19, 29, 58), due, at(19, 29, 59).addMSecs(900), [this] { clock.advanceMs(1300); },
         at(19, 31), "Mon 19:30:01"},
        {"held up two minutes", at(19, 29, 58), due, at(19, 29, 59), [this] { clock.advanceMs(120'000); },
         at(19, 33), "missed"},
        {"spring forward", at(1, 58, 30, spring), night, {}, {}, at(3, 1, 0, spring), "Sun 03:00:00"},
        {"fall back", at(1, 59, 0, autumn), night, {}, {}, at(3, 1, 0, autumn),
         "Sun 02:30:00 Sun 02:30:00 Sun 03:00:00"},
    };
    // clang-format on
    for (const auto& [name, start, entries, actAt, act, until, wantWarned] : rows) {
        SCOPED_TRACE(name);
        restart(start);
        add(entries);
        wakes = 0;
        QStringList warned = act ? run(actAt) : QStringList();
        if (act)
            act();
        warned += run(until);
        warned += QStringList(contents(Paths::logFile()).count(" missed at 7:30:00 PM"), "missed");
        EXPECT_EQ(warned.join(' ').toStdString(), wantWarned);
        EXPECT_LE(wakes, 2 + 12 * (entries.size() + warned.size())) << "wakes";
    }
}

// Every change is saved within a moment (a kill after it loses nothing): entries, options and an
// empty schedule, and the next start loads them: it saves the same again. An entry of a kind this
// version does not know is named at start and kept as stored. A stored start-at-login other than
// 1 removes the login entry; a failure to is told. The schedule holds 1,000 entries at most.
TEST_F(SchedulerTest, EveryChangeIsSavedAtOnceAndTheNextStartLoadsIt)
{
    Options options;
    options.CountTimer = "0030";
    options.Startup = 2;
    ScheduleList later;
    later.append({"12/7/2026 10:00:00 PM", "Enabled", "Daily", "Sleep"});
    ASSERT_EQ(saveSchedule(Paths::settingsFile(), later, options), "");
    startup.failure = "Unable to change the start-at-login entry: Read-only file system";
    restart();
    EXPECT_EQ(scheduler().options().CountTimer, "0030");
    EXPECT_EQ(startup.calls, QStringList{"clear"});
    ASSERT_EQ(env.messages.size(), 2);
    EXPECT_EQ(env.messages[0], startup.failure);
    EXPECT_TRUE(env.messages[1].contains("Entry 1 (12/7/2026 10:00:00 PM, Daily, Sleep)"));
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"an entry", [this] { add({"07:30:00 PM"}); }},
        {"the count", [this] { setCount("12"); }},
        {"start at login", [this] { setOption(&Options::Startup, 1); }},
        {"an option", [this] { setOption(&Options::EventSound, 1); }},
        {"a deletion", [this] { scheduler().removeEntry(1); }},
        {"all deleted", [this] { scheduler().removeEntry(0); }},
    };
    for (const auto& [change, make] : changes) {
        SCOPED_TRACE(change);
        const QByteArray before = contents(Paths::settingsFile());
        make();
        EXPECT_TRUE(QTest::qWaitFor([&] { return contents(Paths::settingsFile()) != before; }, 1000));
        const QByteArray saved = contents(Paths::settingsFile());
        restart(); // as after a kill: nothing more is saved
        ASSERT_EQ(scheduler().save(), "");
        EXPECT_EQ(contents(Paths::settingsFile()), saved);
    }
    EXPECT_EQ(startup.calls, QStringList({"clear", "clear", "clear", "set"})) << "at each start on 2, then 1";
    for (int i = scheduler().schedule().count(); i < MaxScheduleEntries; ++i)
        add({"01:00:00 AM"});
    EXPECT_EQ(scheduler().addEntry({"12/7/2026 02:00:00 AM", "Enabled", "Daily", "Reboot"}),
              "The schedule is full: it holds at most 1000 entries.");
    ASSERT_EQ(scheduler().save(), "");
    restart();
    EXPECT_EQ(scheduler().schedule().count(), MaxScheduleEntries);
}

// A settings file that cannot be read is told at start and never written in that run, whatever
// changes or ends; its stored start-at-login choice is left alone. A completion goes ahead and notes
// the failed save in the log. One in a folder that cannot be written is told at start, and a folder
// that becomes unwritable at the first change after it: once, not again at the next changes.
TEST_F(SchedulerTest, AStoreThatCannotBeReadOrWrittenIsToldOnceAndNeverWrittenOver)
{
    const QString path = Paths::settingsFile();
    add({"07:30:00 PM Once Reboot"});
    ASSERT_EQ(scheduler().save(), "");
    const QByteArray before = contents(path);
    ASSERT_TRUE(QFile::setPermissions(path, QFile::WriteOwner));
    env.messages.clear();
    restart();
    EXPECT_TRUE(env.messages.size() == 1 && env.messages[0].contains(QDir::toNativeSeparators(path)) &&
                env.messages[0].contains(qt_error_string(EACCES)));
    add({"07:30:00 PM Once Reboot"});
    setCount("0");
    setOption(&Options::Startup, 0);
    run(at(19, 30, 30), [] {});
    EXPECT_EQ(contents(path), before);
    EXPECT_EQ(env.messages.size(), 1);
    EXPECT_EQ(power.requests, std::vector<int>{6}) << "the event goes ahead";
    EXPECT_TRUE(contents(Paths::logFile()).contains("\"Schedule not saved ("));
    EXPECT_TRUE(startup.calls.isEmpty()) << "the stored start-at-login choice is unknown";

    const QString folder = QFileInfo(path).path();
    for (const bool atStart : {true, false}) {
        app.reset();
        ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        const auto lock = [&] {
            ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        };
        if (atStart)
            lock();
        env.messages.clear();
        remake();
        scheduler().load();
        if (!atStart)
            lock();
        for (int change = 0; change < 3; ++change) {
            add({"07:30:00 PM"});
            QTest::qWait(300);
        }
        EXPECT_TRUE(env.messages.size() == 1 && env.messages[0].contains("Lullwick.ini")) << atStart;
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}
