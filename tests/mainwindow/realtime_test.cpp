#include "desktop/clock.h"
#include "schedule/timetext.h"
#include "support/fakelogind.h"
#include "support/windowharness.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

// The program with its real timers, clock and power actions against a fake logind: an entry three
// seconds ahead begins its countdown in its own second and, counting 0, completes with one power-off.
TEST(RealTime, EntryThreeSecondsAheadIsWarnedAboutInItsSecondAndCarriedOut)
{
    TempEnvironment env;
    FakeLogind logind;
    const auto power = createPowerActions();
    FakeTray tray;
    FakeStartup startup;
    FakeSound sound;
    FakeNotification notification;
    Application app({tray, startup, *power, sound, notification});
    ASSERT_TRUE(app.start());
    Scheduler& scheduler = app.scheduler();
    Options options = scheduler.options();
    options.CountTimer = "0";
    scheduler.setOptions(options);
    const QDateTime due = Clock::now().addSecs(3);
    const QString time = formatTimeText(due.time().msecsSinceStartOfDay() / 1000);
    ASSERT_EQ(scheduler.addEntry({makeRecordText(due.date(), time), "Enabled", "Once", "PowerOff"}), "");
    QDateTime warnedAt;
    QObject::connect(&scheduler, &Scheduler::countdownStarted, [&] { warnedAt = Clock::now(); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return env.programEnds == 1; }, 10000));
    EXPECT_EQ(warnedAt.toSecsSinceEpoch(), due.toSecsSinceEpoch());
    EXPECT_EQ(scheduler.schedule().count(), 0);
    EXPECT_EQ(logind.requests(), QList<MockCall>({{"/org/freedesktop/login1", "PowerOff", {false}}}));
}
