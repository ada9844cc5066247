#include "desktop/clock.h"
#include "mainwindow/mainwindow.h"
#include "schedule/timetext.h"
#include "support/fakelogind.h"
#include "support/fakes.h"
#include "support/tempenvironment.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

// The program with its real timers, clock and power actions against a fake logind: an entry three
// seconds ahead opens the warning in its own second and, counting 0, completes with one power-off.
TEST(RealTime, EntryThreeSecondsAheadIsWarnedAboutInItsSecondAndCarriedOut)
{
    TempEnvironment env;
    FakeLogind logind;
    const auto power = createPowerActions();
    FakeTray tray;
    FakeStartup startup;
    FakeSound sound;
    FakeNotification notification;
    MainWindow form({tray, startup, *power, sound, notification});
    ASSERT_TRUE(form.startUp());
    form.findChild<QLineEdit*>("CountTimer")->setText("0");
    const QDateTime due = Clock::now().addSecs(3);
    const QString time = formatTimeText(due.time().msecsSinceStartOfDay() / 1000);
    form.schedule().append({makeRecordText(due.date(), time), "Enabled", "Once", "PowerOff"});
    QDateTime warnedAt;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (warnedAt.isNull() && QApplication::activeModalWidget())
            warnedAt = Clock::now();
    });
    watch.start(20);
    ASSERT_TRUE(QTest::qWaitFor([&] { return env.programEnds == 1; }, 10000));
    EXPECT_EQ(warnedAt.toSecsSinceEpoch(), due.toSecsSinceEpoch());
    EXPECT_EQ(form.schedule().count(), 0);
    EXPECT_EQ(logind.calls(), QList<MockCall>({{"/org/freedesktop/login1", "PowerOff", {false}}}));
}
