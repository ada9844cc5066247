// The tray icon as a notification area sees it: a StatusNotifierItem on the session bus, from
// the xcb platform under Xvfb, with fake-trayhost.sh's watcher (see CMakeLists.txt). Qt 6.4
// serves each show() on a connection of its own, registered with the watcher; hide() closes it.
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
QVariant callItem(const QString& item, const QString& interface, const char* method, const QVariantList& args)
{
    QDBusMessage message = QDBusMessage::createMethodCall(item, QStringLiteral("/StatusNotifierItem"),
                                                          interface, QLatin1String(method));
    message.setArguments(args);
    QDBusPendingCall pending = QDBusConnection::sessionBus().asyncCall(message, 10000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return pending.isFinished(); }, 11000));
    EXPECT_FALSE(pending.isError()) << method << ": " << pending.error().message().toStdString();
    return pending.reply().arguments().value(0);
}

// The item registered with the watcher after the `before` ones, once it is there.
QString nextItem(qsizetype before)
{
    QList<MockCall> calls;
    EXPECT_TRUE(QTest::qWaitFor([&] {
        calls = mockCalls(QDBusConnection::sessionBus(), QStringLiteral("org.kde.StatusNotifierWatcher"),
                          QStringLiteral("/StatusNotifierWatcher"));
        calls.removeIf([](const MockCall& call) { return call.method != u"RegisterStatusNotifierItem"; });
        return calls.size() > before;
    }));
    EXPECT_EQ(calls.size(), before + 1);
    return calls.value(before).args.value(0).toString();
}

// Whether every image the item offers (ARGB32 in network byte order) is `icon` at that size.
bool showsIcon(const QString& item, AppIcon icon)
{
    const auto images = qvariant_cast<QDBusArgument>(
        qvariant_cast<QDBusVariant>(callItem(item, QStringLiteral("org.freedesktop.DBus.Properties"), "Get",
                                             {QStringLiteral("org.kde.StatusNotifierItem"), "IconPixmap"}))
            .variant());
    int count = 0;
    bool same = true;
    images.beginArray();
    for (; !images.atEnd(); ++count) {
        qint32 width = 0, height = 0;
        QByteArray argb;
        images.beginStructure();
        images >> width >> height >> argb;
        images.endStructure();
        QImage image(width, height, QImage::Format_ARGB32);
        for (int i = 0; i < width * height && argb.size() == qsizetype(width) * height * 4; ++i)
            image.setPixel(i % width, i / width, qFromBigEndian<quint32>(argb.constData() + i * 4));
        same = same &&
               image == appIcon(icon).pixmap(image.size()).toImage().convertToFormat(QImage::Format_ARGB32);
    }
    images.endArray();
    return count > 0 && same;
}

} // namespace

TEST(TrayIconSni, ShowsAnItemOfThisProgramThatOpensTheWindowOnClickAndGoesWhenRemoved)
{
    ASSERT_EQ(QGuiApplication::platformName().toStdString(), "xcb");
    TrayIcon tray;
    EXPECT_TRUE(tray.isAvailable());
    tray.AddTrayIcon(appIcon(AppIcon::Started));
    const QString item = nextItem(0);
    ASSERT_FALSE(item.isEmpty());
    EXPECT_EQ(QDBusConnection::sessionBus().interface()->servicePid(item).value(),
              QCoreApplication::applicationPid());
    EXPECT_TRUE(showsIcon(item, AppIcon::Started));
    EXPECT_FALSE(showsIcon(item, AppIcon::Disabled));
    // Activate (left click) and ContextMenu (right button) show the window; nothing else does.
    QSignalSpy shown(&tray, &Tray::showWindowRequested);
    const struct {
        const char* method;
        QVariantList args;
        int shows;
    } gestures[] = {{"Activate", {10, 10}, 1},
                    {"ContextMenu", {10, 10}, 2},
                    {"SecondaryActivate", {10, 10}, 2},
                    {"Scroll", {1, QStringLiteral("vertical")}, 2}};
    for (const auto& gesture : gestures) {
        // The item acts before it answers.
        callItem(item, QStringLiteral("org.kde.StatusNotifierItem"), gesture.method, gesture.args);
        EXPECT_EQ(shown.count(), gesture.shows) << gesture.method;
    }
    tray.RemoveTrayIcon();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !QDBusConnection::sessionBus().interface()->isServiceRegistered(item); }));
    tray.RemoveTrayIcon(); // the second removal at Exit does nothing
    tray.AddTrayIcon(appIcon(AppIcon::Disabled));
    EXPECT_TRUE(showsIcon(nextItem(1), AppIcon::Disabled));
}
