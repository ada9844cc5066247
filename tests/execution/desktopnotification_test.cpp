// The countdown as the desktop's notification service (fake-notifications.sh) and screen
// readers see it.
#include "desktop/desktopnotification.h"
#include "execution/warningwindow.h"
#include "support/fakelogind.h"
#include "support/fakes.h"
#include "support/tempenvironment.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");

// The calls the service received, once `done` holds for them.
QList<MockCall> callsWhen(const std::function<bool(const QList<MockCall>&)>& done)
{
    QList<MockCall> seen;
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return done(seen = mockCalls(QDBusConnection::sessionBus(), Service, Path));
    })) << seen.size();
    return seen;
}

} // namespace

// One notification, replaced as the warning counts down, closed at the end; its Abort (offered
// only when the warning has one) acts as the button does.
TEST(DesktopNotification, CountsDownBesideTheWarningAndItsAbortActsAsTheButton)
{
    for (const bool abort : {true, false}) {
        clearMockCalls(QDBusConnection::sessionBus(), Service, Path);
        TempEnvironment env;
        FakeWarningHost host;
        host.count = QStringLiteral("4");
        host.abort = abort;
        FakePower power;
        FakeSound sound;
        const auto notification = createDesktopNotification();
        WarningWindow warning(host, {"07:30:00 PM", "Reboot", "Daily", "0"}, power, sound, *notification);
        warning.show();
        callsWhen([](const QList<MockCall>& all) { return all.size() == 1; });
        warning.countDown();
        EXPECT_EQ(warning.accessibleDescription(), "Computer is Going to Reboot: 2 seconds left");
        QList<MockCall> seen = callsWhen([](const QList<MockCall>& all) { return all.size() >= 2; });
        for (const MockCall& call : seen) {
            EXPECT_EQ(call.method, QStringLiteral("Notify"));
            EXPECT_EQ(call.args.value(3).toString(), QStringLiteral("Computer is Going to Reboot"));
            EXPECT_EQ(call.args.value(5).toStringList(),
                      (abort ? QStringList{"abort", "Abort"} : QStringList()));
            EXPECT_EQ(qdbus_cast<QVariantMap>(call.args.value(6)).value(QStringLiteral("urgency")).toInt(),
                      2);
        }
        const uint id = seen[1].args.value(1).toUInt();
        EXPECT_EQ(seen[0].args.value(1).toUInt(), 0u) << "a new notification";
        EXPECT_NE(id, 0u) << "the update replaces the one shown";
        EXPECT_EQ(seen[0].args.value(4).toString(), QStringLiteral("3 seconds left"));
        EXPECT_EQ(seen[1].args.value(4).toString(), QStringLiteral("2 seconds left"));
        QDBusMessage click = QDBusMessage::createMethodCall(
            Service, Path, QStringLiteral("org.freedesktop.DBus.Mock"), QStringLiteral("EmitSignal"));
        click << Service << QStringLiteral("ActionInvoked") << QStringLiteral("us")
              << QVariantList{id, QStringLiteral("abort")};
        QDBusConnection::sessionBus().call(click); // the signal comes before this reply
        QCoreApplication::processEvents();
        EXPECT_EQ(warning.isVisible(), !abort);
        for (int i = 0; i < 5 && warning.isVisible(); ++i)
            warning.countDown();
        // Updates made while the service has not yet answered are sent as one, the newest.
        seen =
            callsWhen([](const QList<MockCall>& all) { return all.last().method == u"CloseNotification"; });
        for (const MockCall& update : seen.mid(1, seen.size() - 2))
            EXPECT_EQ(update.args.value(1).toUInt(), id) << "one notification, replaced";
        EXPECT_EQ(seen.last().args.value(0).toUInt(), id);
        EXPECT_EQ(power.requests.size(), abort ? 0u : 1u);
        EXPECT_EQ(host.mainShown, abort ? 1 : 0) << "the main window is back after an abort";
        EXPECT_EQ(host.checking, abort);
    }
}
