// The main window, its check on the test's clock. CTest runs these in Berlin time, as a user whom
// file permissions stop (see CMakeLists.txt).
#include "desktop/clockchange.h"
#include "desktop/paths.h"
#include "schedule/sampleschedules.h"
#include "support/windowharness.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QSessionManager>
#include <QTreeView>
#include <cerrno>
#include <csignal>

namespace {

// A main window shown on Monday at 19:00.
class MainWindowTest : public ::testing::Test, protected WindowHarness {
protected:
    static inline const QDate Monday{2026, 12, 7};
    static QDateTime at(int h, int m, int s = 0, QDate day = Monday) { return {day, QTime(h, m, s)}; }
    static void checkpoint() { emit qApp->commitDataRequest(*qApp->findChild<QSessionManager*>()); }

    MainWindowTest() : WindowHarness(at(19, 0)) {}
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(startShown()); }
    // Ends this window and starts a new one on what it stored, as the next start does.
    void restart()
    {
        form.reset();
        form = newForm();
        ASSERT_TRUE(form->startUp());
    }
    // Adds an enabled entry made on Monday: "07:30:00 PM [frequency [event]]", by default daily shutdown.
    void add(const QString& entry)
    {
        const QStringList f = entry.split(' ');
        form->schedule().append({makeRecordText(Monday, f[0] + ' ' + f[1]), "Enabled", f.value(2, "Daily"),
                                 f.value(3, "Shutdown")});
    }
    static std::vector<ScheduleEntry> stored()
    {
        ScheduleList list;
        loadSchedule(Paths::settingsFile(), list);
        return entriesOf(list);
    }
    // Lets time pass up to `until`, the check's timers firing as they fall due, and hands each
    // warning that opens to `whileOpen`, which closes it (by default it aborts at once).
    // Returns when the warnings opened, as "Mon 19:30:00".
    QStringList run(const QDateTime& until, const std::function<void(WarningWindow&)>& whileOpen = {})
    {
        QStringList warned;
        for (auto wake = clock.nextWake(); wake && *wake <= until; wake = clock.nextWake()) {
            ++wakes;
            QTimer::singleShot(0, [&] {
                auto* warning = qobject_cast<WarningWindow*>(QApplication::activeModalWidget());
                if (!warning)
                    return;
                warned << Clock::now().toString("ddd hh:mm:ss");
                seenWhileOpen = form->isVisible() || tray.visible() || form->isSchedulerStarted();
                whileOpen ? whileOpen(*warning) : warning->abort();
                if (warning->isVisible()) {
                    ADD_FAILURE() << "the warning was left open";
                    warning->abort();
                }
            });
            clock.fireNextWake();
            QCoreApplication::processEvents();
        }
        clock.advanceMs(Clock::now().msecsTo(until));
        return warned;
    }
    // Starts the program anew at `when` with nothing stored.
    void startAt(const QDateTime& when)
    {
        QFile::remove(Paths::settingsFile());
        clock.set(when);
        restart();
    }

    int wakes = 0;
    bool seenWhileOpen = false; // the main window, its tray icon or the check, while a warning was
};

} // namespace

// The captions count down to 0 from the count (one that is no whole number, or is negative,
// counts 10; 2.5 rounds to even), the sound plays on even seconds left, 0 completes. Nothing but
// Abort (Esc, Return) closes the warning; an abort brings the window, the icon and the check back
// and holds for the rest of the entry's second.
TEST_F(MainWindowTest, CountdownTable)
{
    // the count, Abort on, the key pressed after each step; the captions, the sounds played
    const std::tuple<const char*, bool, Qt::Key, std::vector<int>, std::vector<int>> rows[] = {
        {"5", true, {}, {4, 3, 2, 1, 0}, {0, 1, 1, 2, 2}},
        {"0", true, {}, {0}, {0}},
        {"2.5", true, {}, {1, 0}, {1, 1}},
        {"abc", true, {}, {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}, {1, 1, 2, 2, 3, 3, 4, 4, 5, 5}},
        {"-3", true, Qt::Key_Escape, {9}, {1}},
        {"4", true, Qt::Key_Return, {3}, {1}},
        {"3", false, Qt::Key_Escape, {2, 1, 0}, {0, 1, 1}},
    };
    for (const auto& [count, abortOn, key, wantCaptions, wantPlays] : rows) {
        SCOPED_TRACE(count);
        startAt(at(19, 29, 59));
        add("07:30:00 PM Daily Reboot");
        child<QCheckBox>("EventSound")->setChecked(true);
        child<QCheckBox>("AbortBtn")->setChecked(abortOn);
        child<QLineEdit>("CountTimer")->setText(count);
        std::vector<int> captions, plays;
        const int endsBefore = env.programEnds;
        sound.plays = 0;
        const QStringList warned = run(at(19, 30, 30), [&](WarningWindow& w) {
            EXPECT_TRUE(w.windowHandle()->flags() & Qt::WindowStaysOnTopHint);
            while (captions.size() < 20 && w.isVisible()) {
                EXPECT_FALSE(w.close());
                w.countDown();
                captions.push_back(w.findChild<QPushButton*>()->text().section('(', 1).chopped(1).toInt());
                plays.push_back(sound.plays);
                if (key && w.isVisible())
                    QTest::keyClick(&w, key);
            }
        });
        const bool completed = !captions.empty() && captions.back() == 0;
        EXPECT_TRUE(warned.size() == 1 && !seenWhileOpen);
        EXPECT_EQ(std::tie(captions, plays), std::tie(wantCaptions, wantPlays));
        EXPECT_EQ(env.programEnds - endsBefore, completed ? 1 : 0);
        EXPECT_EQ(form->isVisible() && tray.visible() && form->isSchedulerStarted(), !completed);
    }
    EXPECT_EQ(power.requests, std::vector<int>(5, 6)) << "a reboot for each completed countdown";
}

// Every completion saves the whole schedule before the request: a "Once" entry is gone, entries
// added since the last save are kept; of two entries in one second the first runs. A refused
// request is reported, and the "Once" entry comes back in its place.
TEST_F(MainWindowTest, CompletionSavesTheWholeScheduleAndARefusalPutsTheEntryBack)
{
    const std::tuple<const char*, const char*, int> rows[] = {{"Once", "", 3},
                                                              {"Daily", "", 4},
                                                              {"WeekDays", "", 4},
                                                              {"Weekly", "", 4},
                                                              {"Once", "Not authorized.", 4}};
    for (const auto& [frequency, refusal, entriesLeft] : rows) {
        SCOPED_TRACE(frequency);
        startAt(at(19, 29, 59));
        child<QLineEdit>("CountTimer")->setText("0");
        for (const QString& entry :
             {QString("07:29:00 PM"), QString("07:30:00 PM %1 PowerOff").arg(frequency),
              QString("07:30:00 PM Daily Reboot"), QString("07:31:00 PM Weekly")})
            add(entry);
        power.requests.clear();
        power.refusal = refusal;
        run(at(19, 30, 30), [](WarningWindow& w) { w.countDown(); });
        EXPECT_EQ(power.requests, std::vector<int>{12});
        EXPECT_EQ(form->schedule().count(), entriesLeft);
        EXPECT_EQ(stored(), entriesOf(form->schedule()));
    }
    EXPECT_EQ(env.programEnds, 4);
    EXPECT_TRUE(env.messages.size() == 1 && env.messages[0].contains(power.refusal));
    EXPECT_EQ(form->schedule().cell(1, ScheduleList::FrequencyColumn), "Once");
    EXPECT_TRUE(form->isVisible() && tray.visible() && form->isSchedulerStarted());
}

// The check sleeps between the seconds in which an entry can be due (a minute at most) and
// still warns of each entry in its own second, as a tick every 100 ms would: after long
// sleeps, across clock changes, sleeps of the computer, changes of the schedule, day tests (a
// "WeekDays" entry first in its second hides the rest on a weekend) and daylight-saving nights.
// The tray's tooltip then names what runs next.
TEST_F(MainWindowTest, WakesOnlyForSecondsInWhichAnEntryCanBeDue)
{
    const auto set = [this](const QDateTime& when, bool resumed) {
        return [=, this] {
            clock.set(when);
            auto* watcher = form->findChild<ClockChangeWatcher*>();
            emit(resumed ? watcher->resumed() : watcher->clockSet());
        };
    };
    const QDate saturday = Monday.addDays(-2), spring(2027, 3, 28), autumn(2026, 10, 25);
    const QStringList due{"07:30:00 PM"}, night{"02:30:00 AM", "03:00:00 AM"};
    const char* const next = "Shutdown at 07:30:00 PM";
    // clang-format off
    // from the start, with the entries, `act` at `actAt`, until the end: the warnings, the next event
    const std::tuple<const char*, QDateTime, QStringList, QDateTime, std::function<void()>, QDateTime,
                     const char*, const char*> rows[] = {
        {"59-minute sleep", at(18, 31), {"07:30:00 PM", "08:00:00 PM Daily PowerOff"}, {}, {}, at(19, 31),
         "Mon 19:30:00", "PowerOff at 08:00:00 PM"},
        {"clock set back", at(19, 31), due, at(19, 31), set(at(19, 29, 59).addMSecs(500), false), at(19, 31),
         "Mon 19:30:00", next},
        {"resume before", at(19, 29), due, at(19, 29), set(at(19, 29, 59), true), at(19, 31), "Mon 19:30:00", next},
        {"Add while asleep", at(19, 29, 30), {"09:00:00 PM"}, at(19, 29, 58), [this] { add("07:30:00 PM"); },
         at(19, 31), "Mon 19:30:00", "Shutdown at 09:00:00 PM"},
        {"Edit while asleep", at(19, 29, 30), {"09:00:00 PM Daily Reboot"}, at(19, 29, 58),
         [this] { add("07:30:00 PM"), form->schedule().removeAt(0); }, at(19, 31), "Mon 19:30:00", next},
        {"Saturday", at(19, 29, 0, saturday), {"07:30:00 PM WeekDays", "07:30:00 PM", "07:30:05 PM Weekly"}, {}, {},
         at(19, 31, 0, saturday), "", next},
        {"spring forward", at(1, 58, 30, spring), night, {}, {}, at(3, 1, 0, spring), "Sun 03:00:00",
         "Shutdown at 02:30:00 AM"},
        {"fall back", at(1, 59, 0, autumn), night, {}, {}, at(3, 1, 0, autumn),
         "Sun 02:30:00 Sun 02:30:00 Sun 03:00:00", "Shutdown at 02:30:00 AM"},
    };
    // clang-format on
    for (const auto& [name, start, entries, actAt, act, until, wantWarned, wantNext] : rows) {
        SCOPED_TRACE(name);
        startAt(start);
        for (const QString& entry : entries)
            add(entry);
        wakes = 0;
        QStringList warned = act ? run(actAt) : QStringList();
        if (act)
            act();
        warned += run(until);
        EXPECT_EQ(warned.join(' ').toStdString(), wantWarned);
        EXPECT_TRUE(tray.toolTip.endsWith(wantNext)) << tray.toolTip.toStdString();
        EXPECT_LE(wakes, start.secsTo(until) / 60 + 2 + 12 * (entries.size() + warned.size())) << "wakes";
    }
}

// A row is selected whenever the table has rows, so that Edit and Delete always act on one.
TEST_F(MainWindowTest, ARowIsSelectedWheneverTheTableHasRows)
{
    for (const char* time : {"01:00:00 AM", "02:00:00 AM", "03:00:00 AM"})
        add(time);
    ASSERT_EQ(form->saveQuietly(), "");
    restart();
    auto* table = child<QTreeView>("mainListview");
    const auto ctrlClick = [&] {
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          table->visualRect(table->currentIndex()).center());
    };
    const auto del = [this] { click("Command3"); };
    const auto down = [&] { QTest::keyClick(table, Qt::Key_Down); };
    // clang-format off
    const std::pair<std::function<void()>, const char*> steps[] = {
        {[] {}, "01:00:00 AM"}, {del, "02:00:00 AM"}, {down, "03:00:00 AM"}, {ctrlClick, "03:00:00 AM"},
        {del, "02:00:00 AM"}, {del, "none"}, {del, "none"}, {[this] { click("Command1"); }, "01:00:00 AM"}};
    // clang-format on
    for (const auto& [step, selected] : steps) {
        step();
        QCoreApplication::processEvents();
        const QModelIndexList rows = table->selectionModel()->selectedRows();
        EXPECT_EQ(rows.isEmpty() ? "none" : form->schedule().cell(rows[0].row(), ScheduleList::TimeColumn),
                  selected);
    }
    EXPECT_EQ(env.messages, QStringList{"Nothing to Delete"});
}

// A stored count longer than the box takes loads whole. Exit saves the schedule and the options,
// also of an empty schedule, and the next start loads them; a stored start-at-login of 0 removes
// the login entry. A full schedule refuses Add.
TEST_F(MainWindowTest, ExitSavesWhatTheNextStartLoads)
{
    const char* const boxes[] = {"EventSound", "AbortBtn", "StartMin", "LogFile", "Check1"};
    const auto options = [&] {
        QStringList state{child<QLineEdit>("CountTimer")->text()};
        for (const char* box : boxes)
            state << QString::number(child<QCheckBox>(box)->isChecked());
        return state;
    };
    OptionValues stored;
    stored.CountTimer = "0030";
    ASSERT_EQ(saveSchedule(Paths::settingsFile(), ScheduleList(), stored), "");
    restart();
    EXPECT_EQ(child<QLineEdit>("CountTimer")->text(), "0030");
    for (int round = 0; round < 2; ++round) {
        if (round)
            click("Command1");
        for (const char* box : boxes)
            child<QCheckBox>(box)->toggle();
        child<QLineEdit>("CountTimer")->setText(QString::number(12 + round));
        const auto entries = entriesOf(form->schedule());
        const QStringList saved = options();
        click("Command4");
        startup.calls.clear();
        restart();
        EXPECT_EQ(entriesOf(form->schedule()), entries);
        EXPECT_EQ(options(), saved);
        EXPECT_EQ(startup.calls, saved.last() == "1" ? QStringList() : QStringList{"clear"});
    }
    for (int added = form->schedule().count(); added <= MaxScheduleEntries; ++added)
        click("Command1");
    EXPECT_EQ(form->schedule().count(), MaxScheduleEntries);
    EXPECT_TRUE(env.messages.size() == 1 && env.messages[0].contains("1000"));
}

// A second start is refused: it says so, shows the running instance's window (also after a
// killed instance left its socket) and touches nothing. The session's requests then save the
// running instance's schedule; only the session's end ends it (a checkpoint does not), and the
// refused instance neither saves nor ends anything.
TEST_F(MainWindowTest, SecondStartIsRefusedAndTheSessionsRequestsSave)
{
    const auto quit = [] { // the session manager's last word: Qt quits its event loop
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
    };
    // During a countdown, the end saves at once; the countdown goes on, and an abort ends.
    const auto duringCountdown = [this] {
        run(at(19, 31), [this, ends = env.programEnds](WarningWindow& w) {
            std::raise(SIGTERM);
            EXPECT_TRUE(QTest::qWaitFor([] { return !stored().empty(); }));
            EXPECT_TRUE(w.isVisible() && env.programEnds == ends) << "the countdown goes on";
            w.abort();
        });
    };
    // the request, whether it ends the program, whether a killed instance left its socket
    // clang-format off
    const std::tuple<std::function<void()>, bool, bool> rows[] = {
        {checkpoint, false, true}, {[] { std::raise(SIGTERM); }, true, false}, {quit, true, false},
        {duringCountdown, true, false}};
    // clang-format on
    for (const auto& [request, ends, leftover] : rows) {
        form.reset();
        QFile::remove(Paths::settingsFile());
        ASSERT_TRUE(!leftover ||
                    QFile(showRequestSocketName(Paths::settingsFile())).open(QIODevice::WriteOnly));
        restart();
        add("07:30:00 PM");
        env.messages.clear();
        FakeTray secondTray;
        MainWindow second({secondTray, startup, power, sound, notification});
        EXPECT_FALSE(second.startUp());
        EXPECT_EQ(env.messages, QStringList{"Program Already Running"});
        EXPECT_TRUE(QTest::qWaitFor([&] { return form->isVisible(); }));
        EXPECT_TRUE(!secondTray.visible() && stored().empty());
        const int endsBefore = env.programEnds;
        request();
        EXPECT_TRUE(QTest::qWaitFor([&] { return env.programEnds == endsBefore + ends; }));
        EXPECT_EQ(stored().size(), 1u) << "the entry added since the start is saved";
        EXPECT_EQ(tray.visible(), !ends);
    }
    EXPECT_TRUE(startup.calls.isEmpty()) << "only Exit touches the start-at-login entry";
}

// A settings file that cannot be read, or a folder that cannot be written, is reported at
// start, and the file is never written in that run, whatever ends it: Exit asks (and the user
// stays), a completion goes ahead and notes the failed save in the log.
TEST_F(MainWindowTest, AStoreThatCannotBeReadOrWrittenIsReportedAndNeverWrittenOver)
{
    const QString path = Paths::settingsFile(), folder = QFileInfo(path).absolutePath();
    const auto contents = [](const QString& file) {
        QFile::setPermissions(file, QFile::permissions(file) | QFile::ReadOwner);
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    };
    add("07:30:00 PM");
    ASSERT_EQ(form->saveQuietly(), "");
    const QByteArray before = contents(path);
    const auto complete = [this] { CompleteEvent({"09:00:00 AM", "Reboot", "Once", "0"}, *form, power); };
    // the folder locked (else the file unreadable), how the run ends
    // clang-format off
    const std::pair<bool, std::function<void()>> rows[] = {
        {false, [this] { click("Command4"); }}, {false, [] { std::raise(SIGTERM); }}, {false, checkpoint},
        {true, complete}};
    // clang-format on
    for (const auto& [folderLocked, wayOut] : rows) {
        form.reset(); // its lock lies in the folder
        QFile::setPermissions(path, folderLocked ? QFile::ReadOwner | QFile::WriteOwner : QFile::WriteOwner);
        QFile::setPermissions(folder, folderLocked ? QFile::ReadOwner | QFile::ExeOwner
                                                   : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        env.messages.clear();
        restart();
        click("Command1");
        EXPECT_TRUE(env.messages.size() == 1 && env.messages[0].contains(QDir::toNativeSeparators(path)) &&
                    env.messages[0].contains(qt_error_string(EACCES)))
            << env.messages.join("").toStdString();
        wayOut();
        QCoreApplication::processEvents(); // a signal is handled here
        EXPECT_EQ(contents(path), before);
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(env.questions.size() == 1 && env.questions[0].contains("Lullwick.ini"));
    EXPECT_EQ(env.programEnds, 2) << "SIGTERM and the completion end it; the user stays";
    EXPECT_EQ(power.requests, std::vector<int>{6}) << "the event goes ahead";
    EXPECT_TRUE(contents(Paths::logFile()).contains("\"Schedule not saved ("))
        << contents(Paths::logFile()).data();
    EXPECT_TRUE(startup.calls.isEmpty()) << "the stored start-at-login choice is unknown";
}
