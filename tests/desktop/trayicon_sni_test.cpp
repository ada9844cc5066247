// The tray icon as a notification area sees it: Qt serves each show() as a StatusNotifierItem on
// a session bus connection of its own, registered with the watcher (fake-trayhost.sh).
#include "desktop/appicons.h"
#include "desktop/trayicon.h"
#include "support/fakelogind.h"

#include <QDBusConnectionInterface>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QSignalSpy>
#include <QTest>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// The item's answer, waited for while this thread goes on serving the item.
QVariant callItem(const QString& item, const char* interface, const char* method, const QVariantList& args)
{
    QDBusMessage message = QDBusMessage::createMethodCall(item, "/StatusNotifierItem", interface, method);
    message.setArguments(args);
    QDBusPendingCall pending = QDBusConnection::sessionBus().asyncCall(message);
    EXPECT_TRUE(QTest::qWaitFor([&] { return pending.isFinished(); }, 30000) && !pending.isError()) << method;
    return pending.reply().arguments().value(0);
}

// The item registered with the watcher after the `before` ones.
QString nextItem(qsizetype before)
{
    QList<MockCall> calls; // RegisterStatusNotifierItem(name) each
    const auto registered = [&] {
        calls = mockCalls(QDBusConnection::sessionBus(), "org.kde.StatusNotifierWatcher",
                          "/StatusNotifierWatcher");
        return calls.size() > before;
    };
    EXPECT_TRUE(QTest::qWaitFor(registered));
    EXPECT_EQ(calls.size(), before + 1);
    return calls.value(before).args.value(0).toString();
}

// The item's first image (ARGB32 in network byte order) is `icon` at that size.
void expectIcon(const QString& item, AppIcon icon)
{
    const auto images = qvariant_cast<QDBusArgument>(
        callItem(item, "org.freedesktop.DBus.Properties", "Get", {"org.kde.StatusNotifierItem", "IconPixmap"})
            .value<QDBusVariant>()
            .variant());
    qint32 width = 0, height = 0;
    QByteArray argb;
    images.beginArray();
    images.beginStructure();
    images >> width >> height >> argb;
    ASSERT_TRUE(width > 0 && argb.size() == qsizetype(width) * height * 4);
    QImage image(width, height, QImage::Format_ARGB32);
    for (int i = 0; i < width * height; ++i)
        image.setPixel(i % width, i / width, qFromBigEndian<quint32>(argb.constData() + i * 4));
    EXPECT_TRUE(image == appIcon(icon).pixmap(image.size()).toImage().convertToFormat(QImage::Format_ARGB32));
}

} // namespace

TEST(TrayIconSni, ShowsAnItemThatOpensTheWindowOnClickAndGoesWhenRemoved)
{
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    TrayIcon tray;
    EXPECT_TRUE(tray.isAvailable());
    tray.AddTrayIcon(appIcon(AppIcon::Started));
    const QString item = nextItem(0);
    expectIcon(item, AppIcon::Started);
    // Activate (left click) and ContextMenu (right button) show the window; nothing else does.
    QSignalSpy shown(&tray, &Tray::showWindowRequested);
    for (const auto& [method, shows] :
         {std::pair{"Activate", 1}, {"ContextMenu", 2}, {"SecondaryActivate", 2}, {"Scroll", 2}}) {
        const QVariantList args =
            method == std::string("Scroll") ? QVariantList{1, "vertical"} : QVariantList{9, 9};
        callItem(item, "org.kde.StatusNotifierItem", method, args); // the item acts before it answers
        EXPECT_EQ(shown.count(), shows) << method;
    }
    tray.RemoveTrayIcon();
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !bus->isServiceRegistered(item); }));
    tray.RemoveTrayIcon(); // the second removal at Exit does nothing
    tray.AddTrayIcon(appIcon(AppIcon::Disabled));
    expectIcon(nextItem(1), AppIcon::Disabled);
}
