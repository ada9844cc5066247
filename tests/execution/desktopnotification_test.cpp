// The countdown as the desktop's notification service and screen readers see it: run through
// fake-notifications.sh (a python-dbusmock notification service on a private session bus).
#include "desktop/desktopnotification.h"
#include "execution/warningwindow.h"
#include "support/fakes.h"
#include "support/tempenvironment.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Mock = QStringLiteral("org.freedesktop.DBus.Mock");

struct Call {
    QString method;
    QVariantList args;
};

// The calls the service received so far.
QList<Call> calls()
{
    const QDBusMessage reply = QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall(Service, Path, Mock, QStringLiteral("GetCalls")));
    QList<Call> result;
    const auto list = reply.arguments().value(0).value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        qulonglong time = 0;
        Call call;
        list.beginStructure();
        list >> time >> call.method;
        list.beginArray();
        while (!list.atEnd()) {
            QDBusVariant argument;
            list >> argument;
            call.args << argument.variant();
        }
        list.endArray();
        list.endStructure();
        result << call;
    }
    list.endArray();
    return result;
}

// Waits until the calls the service received pass `done`, and returns them.
QList<Call> callsWhen(const std::function<bool(const QList<Call>&)>& done)
{
    QList<Call> seen;
    EXPECT_TRUE(QTest::qWaitFor([&] { return done(seen = calls()); }, 10000)) << seen.size();
    return seen;
}

} // namespace

TEST(DesktopNotification, CountsDownBesideTheWarningAndItsAbortActsAsTheButton)
{
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("FAKE_NOTIFICATIONS_DIR"))
        << "run this test through tests/support/fake-notifications.sh run";
    struct Row {
        bool abort;
        QStringList actions;
    };
    for (const Row& row : {Row{true, {"abort", "Abort"}}, Row{false, {}}}) {
        QDBusConnection::sessionBus().call(
            QDBusMessage::createMethodCall(Service, Path, Mock, QStringLiteral("ClearCalls")));
        TempEnvironment env;
        FakeWarningHost host;
        host.count = QStringLiteral("4");
        host.abort = row.abort;
        FakePower power;
        FakeSound sound;
        const auto notification = createDesktopNotification();
        WarningWindow warning(host,
                              DueEvent{QStringLiteral("07:30:00 PM"), QStringLiteral("Reboot"),
                                       QStringLiteral("Daily"), QStringLiteral("0")},
                              power, sound, *notification);
        warning.show();
        callsWhen([](const QList<Call>& all) { return all.size() == 1; });
        warning.countDown();
        EXPECT_EQ(warning.accessibleDescription(), "Computer is Going to Reboot: 2 seconds left")
            << "what screen readers read";
        QList<Call> seen = callsWhen([](const QList<Call>& all) { return all.size() >= 2; });
        for (const Call& call : seen) {
            ASSERT_EQ(call.method, QStringLiteral("Notify"));
            EXPECT_EQ(call.args.value(3).toString(), QStringLiteral("Computer is Going to Reboot"));
            EXPECT_EQ(call.args.value(5).toStringList(), row.actions);
            EXPECT_EQ(qdbus_cast<QVariantMap>(call.args.value(6)).value(QStringLiteral("urgency")).toInt(),
                      2);
        }
        EXPECT_EQ(seen[0].args.value(1).toUInt(), 0u) << "a new notification";
        EXPECT_EQ(seen[0].args.value(4).toString(), QStringLiteral("3 seconds left"));
        const uint id = seen[1].args.value(1).toUInt();
        EXPECT_NE(id, 0u) << "the update replaces the notification shown";
        EXPECT_EQ(seen[1].args.value(4).toString(), QStringLiteral("2 seconds left"));

        // The user chooses Abort in the notification.
        QDBusMessage click =
            QDBusMessage::createMethodCall(Service, Path, Mock, QStringLiteral("EmitSignal"));
        click << Service << QStringLiteral("ActionInvoked") << QStringLiteral("us")
              << QVariantList{id, QStringLiteral("abort")};
        // The signal comes before the call's reply, so it waits in the event queue by now.
        QDBusConnection::sessionBus().call(click);
        QCoreApplication::processEvents();
        EXPECT_EQ(warning.isVisible(), !row.abort);
        for (int i = 0; i < 5 && warning.isVisible(); ++i)
            warning.countDown();

        // Updates made while the service has not yet answered are sent as one, the newest.
        seen = callsWhen([](const QList<Call>& all) {
            return !all.isEmpty() && all.last().method == QLatin1String("CloseNotification");
        });
        for (const Call& update : seen.mid(1, seen.size() - 2))
            EXPECT_EQ(update.args.value(1).toUInt(), id) << "one notification, replaced";
        EXPECT_EQ(seen.last().args.value(0).toUInt(), id);
        EXPECT_EQ(power.requests.size(), row.abort ? 0u : 1u);
        EXPECT_EQ(host.mainShown, row.abort ? 1 : 0) << "the main window is back after an abort";
        EXPECT_EQ(host.checking, row.abort);
    }
}
