#include "desktop/paths.h"
#include "execution/warningwindow.h"
#include "schedule/schedulestore.h"
#include "support/windowharness.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
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

    // Runs one tick of the schedule check; when it opens the warning, `whileOpen` drives the
    // open window and must close it. Returns whether the warning opened.
    bool tick(const std::function<void(WarningWindow&)>& whileOpen = {})
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
        form->checkTick();
        QCoreApplication::processEvents();
        return opened;
    }

    // Lets the countdown tick until the window closes; returns the captions it showed.
    static QStringList countDown(WarningWindow& warning)
    {
        QStringList captions;
        for (int i = 0; i < 1000 && warning.isVisible(); ++i) {
            warning.countDown();
            captions << warning.findChild<QPushButton*>(QStringLiteral("btnAbort"))->text();
        }
        return captions;
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
};

} // namespace

TEST_F(DueEventTest, FoundByOneTickAndOpenedByTheNextWithinTheSameSecondThenAborted)
{
    addEntry(QStringLiteral("07:30:00 PM"), QStringLiteral("Daily"));
    form->showAtStart();
    EXPECT_FALSE(tick()) << "the first tick only finds the entry";
    EXPECT_EQ(form->dueEvent().DueTime, QStringLiteral("07:30:00 PM"));

    clock.advanceMs(100);
    QString label;
    EXPECT_TRUE(tick([&](WarningWindow& warning) {
        label = warning.findChild<QLabel*>(QStringLiteral("Label1"))->text();
        EXPECT_TRUE(warning.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        QTest::mouseClick(warning.findChild<QPushButton*>(QStringLiteral("btnAbort")), Qt::LeftButton);
    }));
    EXPECT_EQ(label, QStringLiteral("Computer is Going to Shutdown"));
    EXPECT_FALSE(seenWhileOpen.mainVisible);
    EXPECT_FALSE(seenWhileOpen.trayVisible);
    EXPECT_FALSE(seenWhileOpen.checking);
    // After an abort everything is back and the entry stays.
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(tray.visible);
    EXPECT_TRUE(form->isSchedulerStarted());
    EXPECT_EQ(form->schedule().count(), 1);
    EXPECT_TRUE(power.requests.empty());
    EXPECT_EQ(env.programEnds, 0);

    // Aborted within its own second, the entry is found again but not warned about again:
    // an abort holds. Once the second has passed it is not found; the next day it runs.
    EXPECT_EQ(form->dueEvent().Position, QStringLiteral("0"));
    clock.advanceMs(100);
    EXPECT_FALSE(tick());
    EXPECT_EQ(form->dueEvent().Position, QStringLiteral("0"));
    clock.advanceSeconds(1);
    EXPECT_FALSE(tick());
    EXPECT_TRUE(form->dueEvent().isEmpty());
    runUntil(QDateTime(Monday.addDays(1), QTime(19, 30, 0)));
    EXPECT_FALSE(tick());
    clock.advanceMs(100);
    EXPECT_TRUE(tick([](WarningWindow& w) { w.abort(); }));
}

TEST_F(DueEventTest, CountdownOfFiveShowsFourToZeroSoundsOnThreeAndOneThenCompletes)
{
    addEntry(QStringLiteral("07:30:00 PM"), QStringLiteral("Daily"), QStringLiteral("Reboot"));
    setCount(QStringLiteral("5"));
    setOption("EventSound", true);
    tick();
    clock.advanceMs(100);
    QStringList captions;
    std::vector<int> playsAfterTick;
    EXPECT_TRUE(tick([&](WarningWindow& warning) {
        auto* button = warning.findChild<QPushButton*>(QStringLiteral("btnAbort"));
        auto* label = warning.findChild<QLabel*>(QStringLiteral("Label1"));
        for (int i = 0; i < 10 && warning.isVisible(); ++i) {
            warning.countDown();
            captions << button->text();
            playsAfterTick.push_back(sound.plays);
            if (warning.isVisible()) {
                const QColor colour = label->palette().color(QPalette::WindowText);
                EXPECT_EQ(colour, sound.plays > (i ? playsAfterTick[i - 1] : 0) ? QColor(128, 0, 0)
                                                                                : QColor(Qt::black));
            }
        }
    }));
    EXPECT_EQ(captions, (QStringList{"&Abort (4)", "&Abort (3)", "&Abort (2)", "&Abort (1)", "&Abort (0)"}));
    EXPECT_EQ(playsAfterTick, (std::vector<int>{0, 1, 1, 2, 2}));
    EXPECT_FALSE(QFile::exists(QStringLiteral("warning.wav"))) << "the clip plays from the resources";
    EXPECT_EQ(power.requests, std::vector<int>{6});
    EXPECT_EQ(env.programEnds, 1);
    EXPECT_EQ(logContents(), QByteArray("\"Reboot at 7:30:00 PM on 12/7/2026\"\r\n"));
    EXPECT_EQ(form->schedule().count(), 1) << "a daily entry stays";
    EXPECT_FALSE(tray.visible) << "no tray icon comes back when the program ends";
}

TEST_F(DueEventTest, CountdownsOfZeroOneAndTwoCompleteOnTicksOneTwoTwo)
{
    addEntry(QStringLiteral("07:30:00 PM"), QStringLiteral("Daily"));
    setOption("LogFile", false);
    int day = 0;
    for (const auto& [count, ticks] : {std::pair{"0", 1}, std::pair{"1", 2}, std::pair{"2", 2},
                                       std::pair{"2.5", 2}, std::pair{"abc", 10}, std::pair{"-3", 10}}) {
        runUntil(QDateTime(Monday.addDays(day++), QTime(19, 30, 0)));
        setCount(QLatin1String(count));
        tick();
        clock.advanceMs(100);
        QStringList captions;
        const int endsBefore = env.programEnds;
        EXPECT_TRUE(tick([&](WarningWindow& warning) { captions = countDown(warning); })) << count;
        EXPECT_EQ(captions.size(), ticks) << count;
        EXPECT_EQ(captions.value(captions.size() - 1), QStringLiteral("&Abort (0)")) << count;
        EXPECT_EQ(env.programEnds, endsBefore + 1) << count;
    }
    EXPECT_EQ(sound.plays, 0) << "the sound option is off";
    EXPECT_FALSE(QFile::exists(Paths::logFile())) << "logging is off";
}

TEST_F(DueEventTest, OnceEntryIsRemovedFromTheListAndTheStoreBeforeTheRequest)
{
    addEntry(QStringLiteral("07:29:00 PM"), QStringLiteral("Daily"));
    addEntry(QStringLiteral("07:30:00 PM"), QStringLiteral("Once"), QStringLiteral("PowerOff"));
    addEntry(QStringLiteral("07:31:00 PM"), QStringLiteral("Weekly"));
    setCount(QStringLiteral("0"));
    tick();
    clock.advanceMs(100);
    EXPECT_TRUE(tick([](WarningWindow& warning) { countDown(warning); }));
    EXPECT_EQ(power.requests, std::vector<int>{12});
    ASSERT_EQ(form->schedule().count(), 2);
    EXPECT_EQ(form->schedule().cell(0, ScheduleList::TimeColumn), QStringLiteral("07:29:00 PM"));
    EXPECT_EQ(form->schedule().cell(1, ScheduleList::TimeColumn), QStringLiteral("07:31:00 PM"));
    ScheduleList stored;
    loadSchedule(Paths::settingsFile(), stored);
    ASSERT_EQ(stored.count(), 2);
    EXPECT_EQ(stored.cell(1, ScheduleList::TimeColumn), QStringLiteral("07:31:00 PM"));
    EXPECT_EQ(logContents().count('\n'), 1);
}

TEST_F(DueEventTest, RefusedRequestIsReportedAndTheOnceEntryComesBack)
{
    addEntry(QStringLiteral("07:29:00 PM"), QStringLiteral("Daily"));
    addEntry(QStringLiteral("07:30:00 PM"), QStringLiteral("Once"), QStringLiteral("Logoff"));
    setCount(QStringLiteral("0"));
    power.refusal = QStringLiteral("Interactive authentication required.");
    tick();
    clock.advanceMs(100);
    EXPECT_TRUE(tick([](WarningWindow& warning) { countDown(warning); }));
    EXPECT_EQ(power.requests, std::vector<int>{4});
    EXPECT_EQ(env.programEnds, 0);
    ASSERT_EQ(env.messages.size(), 1);
    EXPECT_TRUE(env.messages.first().contains(power.refusal));
    ASSERT_EQ(form->schedule().count(), 2);
    EXPECT_EQ(form->schedule().cell(1, ScheduleList::FrequencyColumn), QStringLiteral("Once"));
    ScheduleList stored;
    loadSchedule(Paths::settingsFile(), stored);
    EXPECT_EQ(stored.count(), 2) << "the entry is back in the store too";
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(tray.visible);
    EXPECT_TRUE(form->isSchedulerStarted());
}

TEST_F(DueEventTest, AbortByClickEnterAndEscBringsEverythingBack)
{
    addEntry(QStringLiteral("07:30:00 PM"), QStringLiteral("Daily"));
    const std::function<void(WarningWindow&)> aborts[] = {
        [](WarningWindow& w) {
            QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("btnAbort")), Qt::LeftButton);
        },
        [](WarningWindow& w) { QTest::keyClick(&w, Qt::Key_Return); },
        [](WarningWindow& w) { QTest::keyClick(&w, Qt::Key_Escape); },
    };
    int day = 0;
    for (const auto& abort : aborts) {
        runUntil(QDateTime(Monday.addDays(day++), QTime(19, 30, 0)));
        form->hide();
        tick();
        clock.advanceMs(100);
        EXPECT_TRUE(tick([&](WarningWindow& w) {
            w.countDown();
            abort(w);
        }));
        EXPECT_TRUE(form->isVisible()) << "shown even though it was hidden before";
        EXPECT_TRUE(tray.visible);
        EXPECT_TRUE(form->isSchedulerStarted());
    }
    EXPECT_TRUE(power.requests.empty());
    EXPECT_EQ(env.programEnds, 0);
}

TEST_F(DueEventTest, WithAbortDisabledNothingClosesTheWindowUntilTheEnd)
{
    addEntry(QStringLiteral("07:30:00 PM"), QStringLiteral("Daily"));
    setOption("AbortBtn", false);
    setCount(QStringLiteral("3"));
    tick();
    clock.advanceMs(100);
    EXPECT_TRUE(tick([](WarningWindow& w) {
        auto* button = w.findChild<QPushButton*>(QStringLiteral("btnAbort"));
        EXPECT_TRUE(button->isVisible());
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
}

TEST_F(DueEventTest, AbortIsDisabledOnceTheCaptionShowsZero)
{
    addEntry(QStringLiteral("07:30:00 PM"), QStringLiteral("Daily"));
    setCount(QStringLiteral("0"));
    power.refusal = QStringLiteral("refused"); // keeps the window's state observable after completion
    tick();
    clock.advanceMs(100);
    bool enabledAtZero = true;
    EXPECT_TRUE(tick([&](WarningWindow& w) {
        w.countDown();
        enabledAtZero = w.findChild<QPushButton*>(QStringLiteral("btnAbort"))->isEnabled();
    }));
    EXPECT_FALSE(enabledAtZero);
}

TEST_F(DueEventTest, DayTestsAndOrderDecideWhatRuns)
{
    // "WeekDays" first at this second on a Saturday: the scan takes it, its day test ends
    // the tick, and the "Daily" entry behind it does not run either.
    clock.set(QDateTime(Saturday, QTime(19, 30, 0)));
    addEntry(QStringLiteral("07:30:00 PM"), QStringLiteral("WeekDays"));
    addEntry(QStringLiteral("07:30:00 PM"), QStringLiteral("Daily"));
    // "Weekly" made on a Monday, not run on a Saturday.
    addEntry(QStringLiteral("07:30:05 PM"), QStringLiteral("Weekly"));
    for (int i = 0; i < 20; ++i) {
        EXPECT_FALSE(tick());
        clock.advanceMs(100);
    }
    for (int i = 0; i < 20; ++i) {
        EXPECT_FALSE(tick());
        clock.advanceMs(100);
    }
    EXPECT_TRUE(power.requests.empty());

    // Two entries at the same second on a Monday: only the first is handed over.
    form->schedule().clear();
    clock.set(QDateTime(Monday, QTime(19, 30, 0)));
    addEntry(QStringLiteral("07:30:00 PM"), QStringLiteral("Daily"), QStringLiteral("Reboot"));
    addEntry(QStringLiteral("07:30:00 PM"), QStringLiteral("Daily"), QStringLiteral("PowerOff"));
    setCount(QStringLiteral("0"));
    tick();
    clock.advanceMs(100);
    EXPECT_TRUE(tick([](WarningWindow& w) { countDown(w); }));
    EXPECT_EQ(power.requests, std::vector<int>{6});
}

TEST_F(DueEventTest, EntryWhoseSecondPassedWhileDisabledNeverRuns)
{
    addEntry(QStringLiteral("07:30:00 PM"), QStringLiteral("Daily"));
    clock.set(QDateTime(Monday, QTime(19, 29, 59)));
    QTest::mouseClick(child<QPushButton>("disablebtn"), Qt::LeftButton);
    EXPECT_FALSE(form->isSchedulerStarted());
    clock.set(QDateTime(Monday, QTime(19, 30, 1)));
    QTest::mouseClick(child<QPushButton>("Startbtn"), Qt::LeftButton);
    for (int i = 0; i < 30; ++i) {
        EXPECT_FALSE(tick());
        clock.advanceMs(100);
    }
    EXPECT_TRUE(form->dueEvent().isEmpty());
}
