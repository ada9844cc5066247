// The main window, its check on the test's clock; CTest runs it in Berlin time, unprivileged.
#include "desktop/clockchange.h"
#include "desktop/paths.h"
#include "editwindow/editwindow.h"
#include "logviewer/logviewer.h"
#include "schedule/schedulestore.h"
#include "schedule/timetext.h"
#include "support/windowharness.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSessionManager>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTreeView>
#include <cerrno>
#include <csignal>
#include <ranges>

namespace {

// A main window shown on Monday at 19:00.
class MainWindowTest : public ::testing::Test, protected WindowHarness {
protected:
    static inline const QDate Monday{2026, 12, 7};
    static QDateTime at(int h, int m, int s = 0, QDate day = Monday) { return {day, QTime(h, m, s)}; }
    static void checkpoint() { emit qApp->commitDataRequest(*qApp->findChild<QSessionManager*>()); }

    MainWindowTest() : WindowHarness(at(19, 0)) {}
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(startShown()); }
    // Ends this window and starts a new one, as the next start does: on what it stored, or at the
    // time `fresh` on nothing stored.
    void restart(const QDateTime& fresh = {})
    {
        form.reset();
        if (fresh.isValid()) {
            QFile::remove(Paths::settingsFile());
            clock.set(fresh);
        }
        form = newForm();
        ASSERT_TRUE(form->startUp());
    }
    // Adds enabled entries made on Monday: "07:30:00 PM [frequency [event]]", by default daily shutdowns.
    void add(const QStringList& entries)
    {
        for (const QStringList f :
             entries | std::views::transform([](const QString& e) { return e.split(' '); }))
            form->schedule().append({makeRecordText(Monday, f[0] + ' ' + f[1]), "Enabled",
                                     f.value(2, "Daily"), f.value(3, "Shutdown")});
    }
    static QByteArray contents(const QString& file)
    {
        QFile::setPermissions(file, QFile::permissions(file) | QFile::ReadOwner);
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
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
                EXPECT_FALSE(warning->isVisible()) << "left open, it counts down to its end";
            });
            clock.fireNextWake();
            QCoreApplication::processEvents();
        }
        clock.advanceMs(Clock::now().msecsTo(until));
        return warned;
    }

    int wakes = 0;
    bool seenWhileOpen = false; // the main window, its tray icon or the check while a warning was open
};

} // namespace

// The captions count down to 0 from the count (one that is no number, or negative, counts 10; 2.5
// rounds to even), the sound plays on even seconds left, 0 completes. Only Abort (Esc) closes the
// warning; an abort brings the window, the icon and the check back and holds for the entry's second.
TEST_F(MainWindowTest, CountdownTable)
{
    // the count, Abort on, the key pressed after each step; the captions, the sounds played
    const std::tuple<const char*, bool, Qt::Key, std::vector<int>, std::vector<int>> rows[] = {
        {"5", true, {}, {4, 3, 2, 1, 0}, {0, 1, 1, 2, 2}},
        {"2.5", true, {}, {1, 0}, {1, 1}},
        {"abc", true, {}, {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}, {1, 1, 2, 2, 3, 3, 4, 4, 5, 5}},
        {"-3", true, Qt::Key_Escape, {9}, {1}},
        {"3", false, Qt::Key_Escape, {2, 1, 0}, {0, 1, 1}},
    };
    for (const auto& [count, abortOn, key, wantCaptions, wantPlays] : rows) {
        SCOPED_TRACE(count);
        restart(at(19, 29, 59));
        add({"07:30:00 PM Daily Reboot"});
        child<QCheckBox>("EventSound")->setChecked(true);
        child<QCheckBox>("AbortBtn")->setChecked(abortOn);
        child<QLineEdit>("CountTimer")->setText(count);
        std::vector<int> captions, plays;
        sound.plays = env.programEnds = 0;
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
        EXPECT_EQ(env.programEnds, completed ? 1 : 0);
        EXPECT_EQ(form->isVisible() && tray.visible() && form->isSchedulerStarted(), !completed);
    }
    EXPECT_EQ(power.requests, std::vector<int>(4, 6)) << "a reboot for each completed countdown";
}

// Every completion saves the whole schedule before the request: a "Once" entry is gone, entries
// added since the last save are kept; of two entries in one second the first runs. A refused
// request is reported and the "Once" entry comes back in its place; an abort, or a sleep of the
// computer during the countdown, carries nothing out and a "Once" entry stays, disabled. The log
// tells each.
TEST_F(MainWindowTest, CompletionSavesTheWholeScheduleAndWhatDidNotHappenIsLogged)
{
    const auto complete = [](WarningWindow& w) { w.countDown(); };
    const auto abort = [](WarningWindow& w) { w.abort(); };
    const auto sleep = [this](WarningWindow&) {
        QMetaObject::invokeMethod(form->findChild<ClockChangeWatcher*>(), "resumed");
    };
    // clang-format off
    // the frequency, the system's refusal, what happens during the countdown; the power requests, the
    // entries left and the status of the PowerOff entry, the lines logged
    const std::tuple<const char*, const char*, std::function<void(WarningWindow&)>, int, int, const char*,
                     const char*> rows[] = {
        {"Once", "", complete, 1, 3, "", "PowerOff at"},
        {"Daily", "", complete, 1, 4, "Enabled", "PowerOff at"},
        {"WeekDays", "", complete, 1, 4, "Enabled", "PowerOff at"},
        {"Weekly", "", complete, 1, 4, "Enabled", "PowerOff at"},
        {"Once", "Denied.", complete, 1, 4, "Enabled", "PowerOff at|PowerOff refused at 7:30:00 PM on 12/7/2026: Denied."},
        {"Once", "", abort, 0, 4, "Disabled", "PowerOff aborted at 7:30:00 PM on 12/7/2026\""},
        {"Daily", "", abort, 0, 4, "Enabled", "PowerOff aborted at"},
        {"Once", "", sleep, 0, 4, "Disabled", "PowerOff skipped at 7:30:00 PM on 12/7/2026: the computer was asleep"},
    };
    // clang-format on
    for (const auto& [frequency, refusal, action, requests, entriesLeft, statusAfter, logged] : rows) {
        SCOPED_TRACE(std::string(frequency) + " " + logged);
        restart(at(19, 29, 59));
        QFile::remove(Paths::logFile());
        child<QLineEdit>("CountTimer")->setText("0");
        add({"07:29:00 PM", QString("07:30:00 PM %1 PowerOff").arg(frequency), "07:30:00 PM Daily Reboot",
             "07:31:00 PM Weekly"});
        power.requests.clear();
        power.refusal = refusal;
        run(at(19, 30, 30), action);
        EXPECT_EQ(power.requests, std::vector<int>(requests, 12));
        EXPECT_EQ(form->schedule().count(), entriesLeft);
        EXPECT_EQ(entriesLeft == 4 ? form->schedule().cell(1, ScheduleList::StatusColumn) : "", statusAfter);
        const QList<QByteArray> lines = contents(Paths::logFile()).split('\n'),
                                wanted = QByteArray(logged).split('|');
        ASSERT_EQ(lines.size(), wanted.size() + 1);
        for (qsizetype i = 0; i < wanted.size(); ++i)
            EXPECT_TRUE(lines[i].startsWith('"' + wanted[i])) << lines[i].toStdString();
        QTest::qWait(300); // the change of an abort is saved a moment later
        const QByteArray saved = contents(Paths::settingsFile());
        ASSERT_EQ(form->saveQuietly(), "");
        EXPECT_EQ(contents(Paths::settingsFile()), saved) << "what a save now writes";
    }
    EXPECT_EQ(env.programEnds, 4);
    EXPECT_TRUE(env.messages.size() == 1 && env.messages[0].contains("Denied."));
    EXPECT_TRUE(form->isVisible() && tray.visible() && form->isSchedulerStarted());
}

// The check sleeps between the seconds in which an entry can be due (a minute at most) and still
// warns of each entry in its own second: after long sleeps, across clock changes, sleeps of the
// computer, schedule changes, day tests (an entry that does not run that day hides none at the same
// second) and daylight-saving nights. An entry of a kind it does not know never runs. Held up past
// an entry's second, it carries the entry out late, up to a minute; later, it logs it as missed.
TEST_F(MainWindowTest, WakesOnlyForSecondsInWhichAnEntryCanBeDue)
{
    // Sets the clock as the user, or a wake from sleep, does.
    const auto set = [this](const QDateTime& when, const char* signal) {
        return [=, this] {
            clock.set(when);
            QMetaObject::invokeMethod(form->findChild<ClockChangeWatcher*>(), signal);
        };
    };
    const QDate saturday = Monday.addDays(-2), spring(2027, 3, 28), autumn(2026, 10, 25);
    const QStringList due{"07:30:00 PM"}, night{"02:30:00 AM", "03:00:00 AM"};
    // clang-format off
    // from the start, with the entries, `act` at `actAt`, until the end: the warnings
    const std::tuple<const char*, QDateTime, QStringList, QDateTime, std::function<void()>, QDateTime,
                     const char*> rows[] = {
        {"59-minute sleep", at(18, 31), due, {}, {}, at(19, 31), "Mon 19:30:00"},
        {"clock set back", at(19, 31), due, at(19, 31), set(at(19, 29, 59).addMSecs(500), "clockSet"),
         at(19, 31), "Mon 19:30:00"},
        {"resume before", at(19, 29), due, at(19, 29), set(at(19, 29, 59), "resumed"), at(19, 31),
         "Mon 19:30:00"},
        {"Add while asleep", at(19, 29, 30), {"09:00:00 PM"}, at(19, 29, 58),
         [this] { add({"07:30:00 PM"}); }, at(19, 31), "Mon 19:30:00"},
        {"Edit while asleep", at(19, 29, 30), {"09:00:00 PM Daily Reboot"}, at(19, 29, 58),
         [this] { add({"07:30:00 PM"}), form->schedule().removeAt(0); }, at(19, 31), "Mon 19:30:00"},
        {"Saturday", at(19, 29, 0, saturday), {"07:30:00 PM WeekDays", "07:30:00 PM", "07:30:05 PM Weekly"},
         {}, {}, at(19, 31, 0, saturday), "Sat 19:30:00"},
        {"Tuesday", at(9, 59, 0, Monday.addDays(1)), {"10:00:00 AM Weekly PowerOff", "10:00:00 AM Daily Reboot"},
         {}, {}, at(10, 1, 0, Monday.addDays(1)), "Tue 10:00:00"},
        {"unknown kinds", at(19, 29), {"07:30:00 PM Daily Hibernate", "07:30:00 PM Sometimes"}, {}, {},
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
        QFile::remove(Paths::logFile());
        add(entries);
        wakes = 0;
        QStringList warned = act ? run(actAt) : QStringList();
        if (act)
            act();
        warned += run(until);
        warned += QStringList(contents(Paths::logFile()).count(" missed at 7:30:00 PM"), "missed");
        EXPECT_EQ(warned.join(' ').toStdString(), wantWarned);
        EXPECT_LE(wakes, start.secsTo(until) / 60 + 2 + 12 * (entries.size() + warned.size())) << "wakes";
    }
}

// A row is selected whenever the table has rows, so that Edit and Delete always act on one.
TEST_F(MainWindowTest, ARowIsSelectedWheneverTheTableHasRows)
{
    add({"01:00:00 AM", "02:00:00 AM", "03:00:00 AM"});
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
        {del, "02:00:00 AM"}, {del, ""}, {del, ""}, {[this] { click("Command1"); }, "01:00:00 AM"}};
    // clang-format on
    for (const auto& [step, selected] : steps) {
        step();
        QCoreApplication::processEvents();
        EXPECT_EQ(table->selectionModel()->selectedRows().value(0).data().toString().toStdString(), selected);
    }
    EXPECT_EQ(env.messages, QStringList{"Nothing to Delete"});
}

// A stored count longer than the box takes loads whole; an entry of a kind this version does not know
// is named at start and kept as stored. Every change is saved within a moment, the options and an empty
// schedule too, and the next start loads them: it saves the same again. A stored start-at-login of 0
// removes the login entry; a failure to is shown.
TEST_F(MainWindowTest, EveryChangeIsSavedAtOnceAndTheNextStartLoadsIt)
{
    Options options;
    options.CountTimer = "0030";
    ScheduleList later;
    later.append({"12/7/2026 10:00:00 PM", "Enabled", "Daily", "Hibernate"});
    ASSERT_EQ(saveSchedule(Paths::settingsFile(), later, options), "");
    restart();
    EXPECT_EQ(child<QLineEdit>("CountTimer")->text(), "0030");
    ASSERT_EQ(env.messages.size(), 1);
    EXPECT_TRUE(env.messages[0].contains("Entry 1 (12/7/2026 10:00:00 PM, Daily, Hibernate)"));
    startup.failure = "Unable to change the start-at-login entry: Read-only file system";
    for (int round = 0; round < 2; ++round) {
        click("Command1");
        for (const char* box : {"EventSound", "AbortBtn", "StartMin", "LogFile", "Check1"})
            child<QCheckBox>(box)->toggle();
        child<QLineEdit>("CountTimer")->setText(QString::number(12 + round));
        const QByteArray count = "CountTimer=" + QByteArray::number(12 + round);
        EXPECT_TRUE(QTest::qWaitFor([&] { return contents(Paths::settingsFile()).contains(count); }, 1000));
        const QByteArray saved = contents(Paths::settingsFile());
        EXPECT_EQ(saved.count("Hibernate"), 1);
        startup.calls.clear();
        restart(); // as after a kill: nothing more is saved
        ASSERT_EQ(form->saveQuietly(), "");
        EXPECT_EQ(contents(Paths::settingsFile()), saved);
        EXPECT_EQ(startup.calls, round ? QStringList() : QStringList{"clear"});
    }
    EXPECT_EQ(env.messages.filter(startup.failure).size(), 3) << "from the box, twice, and the start";
}

// A second start is refused: it says so, shows the running instance's window (also after a killed
// instance left its socket) and touches nothing. The session's requests then save what the running
// one holds; only the session's end (or Ctrl+C) ends it, and the refused instance neither saves nor ends.
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
            EXPECT_TRUE(QTest::qWaitFor([] { return QFile::exists(Paths::settingsFile()); }));
            EXPECT_TRUE(w.isVisible() && env.programEnds == ends) << "the countdown goes on";
            w.abort();
        });
    };
    // the request, whether it ends the program, whether a killed instance left its socket
    // clang-format off
    const std::tuple<std::function<void()>, bool, bool> rows[] = {
        {checkpoint, false, true}, {[] { std::raise(SIGTERM); }, true, false}, {[] { std::raise(SIGINT); }, true, false},
        {quit, true, false}, {duringCountdown, true, false}};
    // clang-format on
    for (const auto& [request, ends, leftover] : rows) {
        form.reset();
        ASSERT_TRUE(!leftover ||
                    QFile(showRequestSocketName(Paths::settingsFile())).open(QIODevice::WriteOnly));
        restart(at(19, 0));
        add({"07:30:00 PM"});
        env.messages.clear();
        FakeTray secondTray;
        MainWindow second({secondTray, startup, power, sound, notification});
        EXPECT_FALSE(second.startUp());
        EXPECT_EQ(env.messages, QStringList{"Program Already Running"});
        EXPECT_TRUE(QTest::qWaitFor([&] { return form->isVisible(); }));
        EXPECT_TRUE(!secondTray.visible() && !QFile::exists(Paths::settingsFile()));
        const int endsBefore = env.programEnds;
        request();
        EXPECT_TRUE(QTest::qWaitFor([&] { return env.programEnds == endsBefore + ends; }));
        EXPECT_TRUE(contents(Paths::settingsFile()).contains("07:30:00 PM")) << "the entry added";
        EXPECT_EQ(tray.visible(), !ends);
    }
    EXPECT_TRUE(startup.calls.isEmpty()) << "only Exit touches the start-at-login entry";
}

// A settings file that cannot be read is reported at start and never written in that run, whatever
// ends it: Exit asks (the user stays), a completion goes ahead and notes the failed save in the log.
TEST_F(MainWindowTest, AStoreThatCannotBeReadIsReportedAndNeverWrittenOver)
{
    const QString path = Paths::settingsFile();
    add({"07:30:00 PM"});
    ASSERT_EQ(form->saveQuietly(), "");
    const QByteArray before = contents(path);
    const auto complete = [this] { CompleteEvent({"09:00:00 AM", "Reboot", "Once", "0"}, *form, power); };
    const auto exit = [this] { click("Command4"); };
    for (const auto& wayOut : std::initializer_list<std::function<void()>>{exit, [] { std::raise(SIGTERM); },
                                                                           checkpoint, complete}) {
        ASSERT_TRUE(QFile::setPermissions(path, QFile::WriteOwner));
        env.messages.clear();
        restart();
        click("Command1");
        EXPECT_TRUE(env.messages.size() == 1 && env.messages[0].contains(QDir::toNativeSeparators(path)) &&
                    env.messages[0].contains(qt_error_string(EACCES)));
        wayOut();
        QCoreApplication::processEvents(); // a signal is handled here
        EXPECT_EQ(contents(path), before);
    }
    EXPECT_TRUE(env.questions.size() == 1 && env.questions[0].contains("Lullwick.ini"));
    EXPECT_EQ(env.programEnds, 2) << "SIGTERM and the completion end it; the user stays";
    EXPECT_EQ(power.requests, std::vector<int>{6}) << "the event goes ahead";
    EXPECT_TRUE(contents(Paths::logFile()).contains("\"Schedule not saved ("));
    EXPECT_TRUE(startup.calls.isEmpty()) << "the stored start-at-login choice is unknown";

    // One that can be read in a folder that cannot be written is told at start, and a folder that becomes
    // unwritable at the first change after it: once, not again at the next changes.
    const QString folder = QFileInfo(path).path();
    for (const bool atStart : {true, false}) {
        form.reset();
        ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        const auto lock = [&] {
            ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        };
        if (atStart)
            lock();
        env.messages.clear();
        form = newForm();
        ASSERT_TRUE(form->startUp());
        if (!atStart)
            lock();
        for (int change = 0; change < 3; ++change) {
            click("Command1");
            QTest::qWait(300);
        }
        EXPECT_TRUE(env.messages.size() == 1 && env.messages[0].contains("Lullwick.ini")) << atStart;
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

// In each window, every control a user acts on is reached by Tab and has a mnemonic of its own
// (buttons, check boxes, tabs, the labels of selectors and text boxes); screen readers name every
// selector and text box by its label; captions and the longest items fit.
TEST_F(MainWindowTest, EveryControlIsNamedReachableAndFits)
{
    add({"07:30:00 PM"});
    EditWindow edit(form->schedule(), 0);
    LogViewer viewer(Paths::logFile());
    for (QWidget* window : std::initializer_list<QWidget*>{form.get(), &edit, &viewer}) {
        SCOPED_TRACE(window->metaObject()->className());
        QStringList captions;
        for (const QTabWidget* tabs : window->findChildren<QTabWidget*>())
            for (int i = 0; i < tabs->count(); ++i)
                captions << tabs->tabText(i);
        for (QWidget* w : window->findChildren<QWidget*>()) {
            SCOPED_TRACE(w->objectName().toStdString());
            const auto* button = qobject_cast<QAbstractButton*>(w);
            const auto* label = qobject_cast<QLabel*>(w);
            if (button && !qobject_cast<QTabBar*>(w->parentWidget()))
                captions << button->text();
            if (label && label->buddy())
                captions << label->text();
            if (w->isVisibleTo(window) &&
                (button || qobject_cast<QComboBox*>(w) || (label && !label->wordWrap()))) {
                // a push button's size hint has a minimum width of its own: its text is what counts
                const int needs = qobject_cast<QPushButton*>(w)
                                      ? w->fontMetrics().horizontalAdvance(button->text().remove('&')) + 8
                                      : w->sizeHint().width();
                EXPECT_LE(needs, w->width()) << "cut off";
            }
            const bool textBox = qobject_cast<QTextEdit*>(w) || qobject_cast<QPlainTextEdit*>(w);
            if (!textBox && !qobject_cast<QComboBox*>(w) &&
                !(qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w->parentWidget())))
                continue;
            EXPECT_TRUE(w->focusPolicy() & Qt::TabFocus);
            QString name = textBox ? w->accessibleName() : QString();
            for (const auto& [other, relation] :
                 QAccessible::queryAccessibleInterface(w)->relations(QAccessible::Label))
                if (const auto* by = qobject_cast<QLabel*>(other->object()))
                    name =
                        other->text(QAccessible::Name) == QString(by->text()).remove('&') ? by->text() : "";
            EXPECT_FALSE(name.isEmpty()) << "no name for screen readers";
        }
        QMap<QChar, QString> taken;
        for (const QString& caption : captions) {
            const qsizetype at = caption.indexOf('&');
            const QChar letter = at >= 0 && caption.count('&') == 1 ? caption[at + 1].toLower() : QChar();
            EXPECT_TRUE(letter.isLetter() && !taken.contains(letter))
                << caption.toStdString() << " / " << taken.value(letter).toStdString();
            taken.insert(letter, caption);
        }
    }
}
