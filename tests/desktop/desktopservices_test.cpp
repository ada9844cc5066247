// The desktop's services, from xcb on Xvfb with fake ones on a private session bus: the tray
// icon as a notification area sees it (Qt serves each show() as a StatusNotifierItem on a
// connection of its own, registered with the watcher), and the countdown's notification.
#include "desktop/appicons.h"
#include "desktop/desktopnotification.h"
#include "desktop/trayicon.h"
#include "support/fakelogind.h"
#include "support/windowharness.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QSignalSpy>
#include <QTest>
#include <QtEndian>
#include <gtest/gtest.h>

// The item's answer, waited for while this thread goes on serving the item.
static QVariant callItem(const QString& item, const char* interface, const char* method,
                         const QVariantList& args)
{
    QDBusMessage message = QDBusMessage::createMethodCall(item, "/StatusNotifierItem", interface, method);
    message.setArguments(args);
    QDBusPendingCall pending = QDBusConnection::sessionBus().asyncCall(message);
    EXPECT_TRUE(QTest::qWaitFor([&] { return pending.isFinished(); }, 30000) && !pending.isError()) << method;
    return pending.reply().arguments().value(0);
}
// The item registered with the watcher (RegisterStatusNotifierItem(name) each) after `before` ones.
static QString nextItem(qsizetype before)
{
    QList<MockCall> calls;
    const auto watcher = [&] {
        return mockCalls(QDBusConnection::sessionBus(), "org.kde.StatusNotifierWatcher",
                         "/StatusNotifierWatcher");
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return (calls = watcher()).size() > before; }));
    EXPECT_EQ(calls.size(), before + 1);
    return calls.value(before).args.value(0).toString();
}
// The item's first image (ARGB32 in network byte order) is `icon` at that size.
static void expectIcon(const QString& item, AppIcon icon)
{
    const QVariant pixmaps = callItem(item, "org.freedesktop.DBus.Properties", "Get",
                                      {"org.kde.StatusNotifierItem", "IconPixmap"});
    const auto images = qvariant_cast<QDBusArgument>(pixmaps.value<QDBusVariant>().variant());
    qint32 width = 0, height = 0;
    QByteArray argb, expected;
    images.beginArray();
    images.beginStructure();
    images >> width >> height >> argb;
    const QImage image = appIcon(icon).pixmap(width, height).toImage().convertToFormat(QImage::Format_ARGB32);
    expected.resize(qsizetype(image.width()) * image.height() * 4);
    qToBigEndian<quint32>(image.constBits(), image.width() * image.height(), expected.data());
    EXPECT_TRUE(width > 0 && argb == expected);
}

TEST(TrayIconSni, ShowsAnItemThatOpensTheWindowOnClickAndGoesWhenRemoved)
{
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    TrayIcon tray;
    EXPECT_TRUE(tray.isAvailable());
    tray.AddTrayIcon(appIcon(AppIcon::Started));
    const QString item = nextItem(0);
    expectIcon(item, AppIcon::Started);
    // Activate (a left click) shows the window; the right button opens the menu instead.
    QSignalSpy shown(&tray, &Tray::showWindowRequested);
    for (const auto& [method, shows] :
         {std::pair{"Activate", 1}, {"ContextMenu", 1}, {"SecondaryActivate", 1}, {"Scroll", 1}}) {
        const QVariantList args =
            method == std::string("Scroll") ? QVariantList{1, "vertical"} : QVariantList{9, 9};
        callItem(item, "org.kde.StatusNotifierItem", method, args); // the item acts before it answers
        EXPECT_EQ(shown.count(), shows) << method;
    }
    tray.RemoveTrayIcon();
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !bus->isServiceRegistered(item); }));
    tray.AddTrayIcon(appIcon(AppIcon::Disabled)); // shown again
    expectIcon(nextItem(1), AppIcon::Disabled);
}
// The countdown as the notification service sees it: one notification, replaced as the warning
// counts down and closed at the end; its Abort, offered only when the warning has one, acts as
// the button does.
TEST(DesktopNotification, CountsDownBesideTheWarningAndItsAbortActsAsTheButton)
{
    const QString service = "org.freedesktop.Notifications", path = "/org/freedesktop/Notifications";
    QList<MockCall> seen;
    const auto sentWhen = [&](const std::function<bool()>& done) {
        return QTest::qWaitFor([&] {
            return !(seen = mockCalls(QDBusConnection::sessionBus(), service, path)).isEmpty() && done();
        });
    };
    for (const bool abort : {true, false}) {
        callMock(QDBusConnection::sessionBus(), service, path, "ClearCalls");
        WindowHarness harness;
        const auto notification = createDesktopNotification(harness.tray);
        Application app({harness.tray, harness.startup, harness.power, harness.sound, *notification});
        ASSERT_TRUE(app.start());
        Scheduler& scheduler = app.scheduler();
        Options options = scheduler.options();
        options.CountTimer = "4";
        options.AbortBtn = abort;
        options.NoticeMinutes = 0;
        scheduler.setOptions(options);
        harness.clock.set({QDate(2026, 12, 7), QTime(19, 29, 59)});
        scheduler.addEntry({"12/7/2026 07:30:00 PM", "Enabled", "Daily", "Reboot"});
        const auto step = [&] { harness.clock.fireNextWake(); };
        while (!scheduler.isCountingDown())
            step();
        EXPECT_TRUE(sentWhen([] { return true; }));
        step();
        EXPECT_TRUE(sentWhen([&] { return seen.size() >= 2; }));
        const uint id =
            seen[1].args.value(1).toUInt(); // Notify(app, replaces, icon, summary, body, actions, hints)
        EXPECT_NE(id, 0u);
        for (const auto& [call, replaces, body] :
             {std::tuple{seen[0], 0u, "4 seconds left"}, {seen[1], id, "3 seconds left"}}) {
            EXPECT_EQ(QVariantList({call.args[1], call.args[3], call.args[4], call.args[5]}),
                      QVariantList(
                          {replaces, "Computer is Going to Reboot", body,
                           abort ? QStringList{"abort", "Abort", "postpone", "Postpone"} : QStringList()}));
        }
        EXPECT_EQ(qdbus_cast<QVariantMap>(seen[0].args.value(6)).value("urgency"), 2);
        // The user chooses Abort in the notification; the signal comes before this call's reply.
        callMock(QDBusConnection::sessionBus(), service, path, "EmitSignal",
                 {service, "ActionInvoked", "us", QVariantList{id, "abort"}});
        QCoreApplication::processEvents();
        EXPECT_EQ(scheduler.isCountingDown(), !abort);
        for (int i = 0; i < 20 && scheduler.isCountingDown(); ++i)
            step();
        EXPECT_TRUE(sentWhen([&] { return seen.last().method == "CloseNotification"; }));
        EXPECT_EQ(seen.last().args, QVariantList{id});
        EXPECT_EQ(harness.power.requests.size(), abort ? 0u : 1u);
        EXPECT_EQ(app.mainWindow() && app.mainWindow()->isVisible(), abort) << "the main window is back";
    }
}
