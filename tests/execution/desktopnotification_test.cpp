// The countdown as the desktop's notification service (fake-notifications.sh) and screen
// readers see it: one notification, replaced as the warning counts down and closed at the end;
// its Abort, offered only when the warning has one, acts as the button does.
#include "desktop/desktopnotification.h"
#include "execution/warningwindow.h"
#include "support/fakelogind.h"
#include "support/fakes.h"
#include "support/tempenvironment.h"

#include <QDBusArgument>
#include <QTest>
#include <gtest/gtest.h>

TEST(DesktopNotification, CountsDownBesideTheWarningAndItsAbortActsAsTheButton)
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    const QString service = "org.freedesktop.Notifications", path = "/org/freedesktop/Notifications";
    QList<MockCall> seen;
    const auto sentWhen = [&](const std::function<bool()>& done) {
        return QTest::qWaitFor([&] { return !(seen = mockCalls(bus, service, path)).isEmpty() && done(); });
    };
    for (const bool abort : {true, false}) {
        callMock(bus, service, path, "ClearCalls");
        TempEnvironment env;
        FakeWarningHost host;
        host.count = "4";
        host.abort = abort;
        FakePower power;
        FakeSound sound;
        const auto notification = createDesktopNotification();
        WarningWindow warning(host, {"07:30:00 PM", "Reboot", "Daily", "0"}, power, sound, *notification);
        warning.show();
        EXPECT_TRUE(sentWhen([] { return true; }));
        warning.countDown();
        EXPECT_EQ(warning.accessibleDescription(), "Computer is Going to Reboot: 2 seconds left");
        EXPECT_TRUE(sentWhen([&] { return seen.size() >= 2; }));
        for (const MockCall& call : seen) {
            EXPECT_EQ(call.method, "Notify");
            EXPECT_EQ(call.args.value(3), "Computer is Going to Reboot");
            EXPECT_EQ(call.args.value(5).toStringList(),
                      (abort ? QStringList{"abort", "Abort"} : QStringList()));
            EXPECT_EQ(qdbus_cast<QVariantMap>(call.args.value(6)).value("urgency"), 2);
        }
        // A new notification, then its update replacing it.
        const uint id = seen[1].args.value(1).toUInt();
        EXPECT_NE(id, 0u);
        EXPECT_EQ(QVariantList({seen[0].args.value(1), seen[0].args.value(4), seen[1].args.value(4)}),
                  QVariantList({0u, "3 seconds left", "2 seconds left"}));
        // The user chooses Abort in the notification; the signal comes before this call's reply.
        callMock(bus, service, path, "EmitSignal",
                 {service, "ActionInvoked", "us", QVariantList{id, "abort"}});
        QCoreApplication::processEvents();
        EXPECT_EQ(warning.isVisible(), !abort);
        for (int i = 0; i < 5 && warning.isVisible(); ++i)
            warning.countDown();
        EXPECT_TRUE(sentWhen([&] { return seen.last().method == "CloseNotification"; }));
        // Updates made while the service has not yet answered are sent as one, the newest.
        for (const MockCall& update : seen.mid(1, seen.size() - 2))
            EXPECT_EQ(update.args.value(1), id) << "one notification, replaced";
        EXPECT_EQ(seen.last().args.value(0), id);
        EXPECT_EQ(power.requests.size(), abort ? 0u : 1u);
        EXPECT_EQ(host.mainShown, abort ? 1 : 0) << "the main window is back after an abort";
        EXPECT_EQ(host.checking, abort);
    }
}
