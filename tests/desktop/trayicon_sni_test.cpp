// The tray icon as a desktop's notification area sees it: a StatusNotifierItem on the session
// bus, on the xcb platform under Xvfb (with-xvfb.sh) with a mock StatusNotifierWatcher on a
// private session bus (fake-trayhost.sh run); see CMakeLists.txt.
//
// Qt 6.4 opens a connection of its own for each show(), serves the item at /StatusNotifierItem
// on it and registers the connection's name with the watcher; hide() closes that connection.
#include "desktop/appicons.h"
#include "desktop/trayicon.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

constexpr int WaitMs = 10000;

// Calls and waits for the answer while the item, served by this thread, goes on answering.
QDBusMessage call(const QString& service, const QString& path, const QString& interface,
                  const QString& method, const QVariantList& args = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(args);
    QDBusPendingCall pending = QDBusConnection::sessionBus().asyncCall(message, WaitMs);
    EXPECT_TRUE(QTest::qWaitFor([&] { return pending.isFinished(); }, WaitMs + 1000));
    EXPECT_FALSE(pending.isError()) << method.toStdString() << ": "
                                    << pending.error().message().toStdString();
    return pending.reply();
}

// The names registered with the watcher so far.
QStringList registrations()
{
    const QDBusMessage reply =
        call(QStringLiteral("org.kde.StatusNotifierWatcher"), QStringLiteral("/StatusNotifierWatcher"),
             QStringLiteral("org.freedesktop.DBus.Mock"), QStringLiteral("GetCalls"));
    QStringList names;
    const auto log = qvariant_cast<QDBusArgument>(reply.arguments().value(0));
    log.beginArray();
    while (!log.atEnd()) {
        qulonglong time = 0;
        QString method;
        QVariantList args;
        log.beginStructure();
        log >> time >> method >> args;
        log.endStructure();
        if (method == u"RegisterStatusNotifierItem")
            names << args.value(0).toString();
    }
    log.endArray();
    return names;
}

// The registration after the `before` ones: the item's service name, or empty.
QString nextRegistration(qsizetype before)
{
    QStringList names;
    EXPECT_TRUE(QTest::qWaitFor([&] { return (names = registrations()).size() > before; }, WaitMs));
    EXPECT_EQ(names.size(), before + 1) << names.join(u' ').toStdString();
    return names.value(before);
}

QVariant property(const QString& service, const char* name)
{
    const QDBusMessage reply = call(service, QStringLiteral("/StatusNotifierItem"),
                                    QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                                    {QStringLiteral("org.kde.StatusNotifierItem"), QLatin1String(name)});
    return qvariant_cast<QDBusVariant>(reply.arguments().value(0)).variant();
}

// Whether every image the item offers (ARGB32, network byte order) is `icon` at that size.
bool showsIcon(const QString& service, AppIcon icon)
{
    const auto vector = qvariant_cast<QDBusArgument>(property(service, "IconPixmap"));
    int images = 0;
    bool same = true;
    vector.beginArray();
    while (!vector.atEnd()) {
        qint32 width = 0;
        qint32 height = 0;
        QByteArray argb;
        vector.beginStructure();
        vector >> width >> height >> argb;
        vector.endStructure();
        QImage image(width, height, QImage::Format_ARGB32);
        for (int i = 0; i < width * height && argb.size() == qsizetype(width) * height * 4; ++i)
            image.setPixel(i % width, i / width, qFromBigEndian<quint32>(argb.constData() + i * 4));
        same = same &&
               image == appIcon(icon).pixmap(image.size()).toImage().convertToFormat(QImage::Format_ARGB32);
        ++images;
    }
    vector.endArray();
    return images > 0 && same;
}

} // namespace

TEST(TrayIconSni, ShowsAnItemOfThisProgramThatOpensTheWindowOnClickAndGoesWhenRemoved)
{
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("FAKE_TRAYHOST_DIR"))
        << "run through tests/support/fake-trayhost.sh run";
    ASSERT_EQ(QGuiApplication::platformName().toStdString(), "xcb");
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    TrayIcon tray;
    EXPECT_TRUE(tray.isAvailable());

    tray.AddTrayIcon(appIcon(AppIcon::Started));
    const QString item = nextRegistration(0);
    ASSERT_FALSE(item.isEmpty());
    EXPECT_EQ(bus->servicePid(item).value(), QCoreApplication::applicationPid());
    EXPECT_TRUE(showsIcon(item, AppIcon::Started));
    EXPECT_FALSE(showsIcon(item, AppIcon::Disabled));
    // Activate (left click) and ContextMenu (right button) show the window; nothing else does.
    QSignalSpy shown(&tray, &Tray::showWindowRequested);
    const struct {
        const char* method;
        QVariantList args;
        int shows;
    } gestures[] = {{"Activate", {10, 10}, 1},
                    {"ContextMenu", {10, 10}, 1},
                    {"SecondaryActivate", {10, 10}, 0},
                    {"Scroll", {1, QStringLiteral("vertical")}, 0}};
    for (const auto& gesture : gestures) {
        shown.clear();
        // The item acts before it answers, so the answer is the moment to look.
        call(item, QStringLiteral("/StatusNotifierItem"), QStringLiteral("org.kde.StatusNotifierItem"),
             QLatin1String(gesture.method), gesture.args);
        EXPECT_EQ(shown.count(), gesture.shows) << gesture.method;
    }

    tray.RemoveTrayIcon();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !bus->isServiceRegistered(item); }, WaitMs))
        << "the item stayed";
    tray.RemoveTrayIcon(); // the second removal at Exit does nothing
    tray.AddTrayIcon(appIcon(AppIcon::Disabled));
    const QString again = nextRegistration(1);
    ASSERT_FALSE(again.isEmpty());
    EXPECT_TRUE(showsIcon(again, AppIcon::Disabled));
}
