#include "desktop/clock.h"
#include "execution/warningwindow.h"
#include "mainwindow/mainwindow.h"
#include "schedule/timetext.h"
#include "support/fakelogind.h"
#include "support/fakes.h"
#include "support/tempenvironment.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

// The program with its real timers, its real clock and its real power actions against a fake
// logind: an entry three seconds ahead, while the check sleeps, opens the warning in its own
// second, which with a countdown of 0 completes with one power-off request.
TEST(RealTime, EntryThreeSecondsAheadIsWarnedAboutInItsSecondAndCarriedOut)
{
    TempEnvironment env;
    FakeLogind logind;
    ASSERT_TRUE(logind.isRunning());
    const auto power = createPowerActions();
    FakeTray tray;
    FakeStartup startup;
    FakeSound sound;
    FakeNotification notification;
    MainWindow form(MainWindowServices{tray, startup, *power, sound, notification});
    ASSERT_TRUE(form.startUp());
    form.findChild<QLineEdit*>(QStringLiteral("CountTimer"))->setText(QStringLiteral("0"));

    const QDateTime due = Clock::now().addSecs(3);
    form.schedule().append(
        {makeRecordText(due.date(), formatTimeText(due.time().msecsSinceStartOfDay() / 1000)),
         QStringLiteral("Enabled"), QStringLiteral("Once"), QStringLiteral("PowerOff")});

    QDateTime warnedAt;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (warnedAt.isNull() && qobject_cast<WarningWindow*>(QApplication::activeModalWidget()))
            warnedAt = Clock::now();
    });
    watch.start(20);
    ASSERT_TRUE(QTest::qWaitFor([&] { return env.programEnds == 1; }, 10000));
    EXPECT_EQ(warnedAt.toSecsSinceEpoch(), due.toSecsSinceEpoch());
    EXPECT_EQ(form.schedule().count(), 0);
    const QList<FakeLogind::Call> calls = logind.calls();
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls.first().method, QStringLiteral("PowerOff"));
    EXPECT_EQ(calls.first().args, QVariantList{false});
}
