// The tray icon as a desktop's notification area sees it: a StatusNotifierItem on the
// session bus. Runs on the xcb platform under Xvfb (with-xvfb.sh), on a private session bus
// whose StatusNotifierWatcher is a mock (fake-trayhost.sh run); see CMakeLists.txt.
//
// What Qt 6.4 does there: each show() opens a connection of its own to the session bus,
// serves the item at /StatusNotifierItem on it and registers the connection's unique name with
// the watcher; hide() drops the item and closes that connection, so the name goes away. The
// item's Status stays "Active" all along.
#include "desktop/appicons.h"
#include "desktop/trayicon.h"

#include <QDBusArgument>
#include <QDBusConnection>
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

const QString WatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString WatcherPath = QStringLiteral("/StatusNotifierWatcher");
const QString ItemPath = QStringLiteral("/StatusNotifierItem");
const QString ItemInterface = QStringLiteral("org.kde.StatusNotifierItem");
constexpr int WaitMs = 10000;

// The item's images (IconPixmap: ARGB32 in network byte order), as QImages.
QList<QImage> images(const QDBusArgument& vector)
{
    QList<QImage> result;
    vector.beginArray();
    while (!vector.atEnd()) {
        qint32 width = 0;
        qint32 height = 0;
        QByteArray argb;
        vector.beginStructure();
        vector >> width >> height >> argb;
        vector.endStructure();
        QImage image(width, height, QImage::Format_ARGB32);
        if (argb.size() != qsizetype(width) * height * 4)
            return {};
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y,
                               qFromBigEndian<quint32>(argb.constData() + (qsizetype(y) * width + x) * 4));
        result << image;
    }
    vector.endArray();
    return result;
}

class IconAddSniTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("FAKE_TRAYHOST_DIR"))
            << "run this test through tests/support/fake-trayhost.sh run";
        ASSERT_EQ(QGuiApplication::platformName().toStdString(), "xcb");
        ASSERT_TRUE(bus.interface()->isServiceRegistered(WatcherService));
    }

    // Calls and waits for the answer while the item, served by this thread, goes on answering.
    static QDBusMessage callAndWait(const QDBusMessage& call)
    {
        QDBusPendingCall pending = QDBusConnection::sessionBus().asyncCall(call, WaitMs);
        EXPECT_TRUE(QTest::qWaitFor([&] { return pending.isFinished(); }, WaitMs + 1000))
            << call.member().toStdString();
        const QDBusMessage reply = pending.reply();
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage)
            << call.member().toStdString() << ": " << reply.errorMessage().toStdString();
        return reply;
    }

    // The names registered with the watcher so far, in order.
    QStringList registrations() const
    {
        const QDBusMessage reply = callAndWait(QDBusMessage::createMethodCall(
            WatcherService, WatcherPath, QStringLiteral("org.freedesktop.DBus.Mock"),
            QStringLiteral("GetCalls")));
        QStringList names;
        if (reply.arguments().isEmpty())
            return names;
        const auto log = qvariant_cast<QDBusArgument>(reply.arguments().constFirst());
        log.beginArray();
        while (!log.atEnd()) {
            qulonglong time = 0;
            QString method;
            QVariantList args;
            log.beginStructure();
            log >> time >> method >> args;
            log.endStructure();
            if (method == u"RegisterStatusNotifierItem" && !args.isEmpty())
                names << args.constFirst().toString();
        }
        log.endArray();
        return names;
    }

    // Waits for the registration after the `before` ones; the item's service name, or empty.
    QString nextRegistration(qsizetype before) const
    {
        QStringList names;
        const bool registered = QTest::qWaitFor(
            [&] {
                names = registrations();
                return names.size() > before;
            },
            WaitMs);
        EXPECT_TRUE(registered) << "no StatusNotifierItem was registered";
        EXPECT_EQ(names.size(), before + 1) << names.join(u' ').toStdString();
        return registered ? names.constLast() : QString();
    }

    static QVariant itemProperty(const QString& service, const char* name)
    {
        QDBusMessage get = QDBusMessage::createMethodCall(
            service, ItemPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        get << ItemInterface << QLatin1String(name);
        const QDBusMessage reply = callAndWait(get);
        return reply.arguments().isEmpty()
                   ? QVariant()
                   : qvariant_cast<QDBusVariant>(reply.arguments().constFirst()).variant();
    }

    static void callItem(const QString& service, const QString& method, const QVariantList& args)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(service, ItemPath, ItemInterface, method);
        call.setArguments(args);
        callAndWait(call);
    }

    // The item's images must be the icon's, size by size.
    static void expectShows(const QString& service, AppIcon icon)
    {
        const QList<QImage> shown = images(qvariant_cast<QDBusArgument>(itemProperty(service, "IconPixmap")));
        ASSERT_FALSE(shown.isEmpty());
        for (const QImage& image : shown) {
            SCOPED_TRACE(image.width());
            EXPECT_EQ(image,
                      appIcon(icon).pixmap(image.size()).toImage().convertToFormat(QImage::Format_ARGB32));
        }
    }

    bool hasOwner(const QString& service) const { return bus.interface()->isServiceRegistered(service); }

    QDBusConnection bus = QDBusConnection::sessionBus();
    TrayIcon tray;
};

TEST_F(IconAddSniTest, AddRegistersAnItemOfThisProgramWithItsNameAndIcon)
{
    EXPECT_TRUE(tray.isAvailable());
    tray.AddTrayIcon(appIcon(AppIcon::Started));
    const QString service = nextRegistration(0);
    ASSERT_FALSE(service.isEmpty());
    EXPECT_EQ(bus.interface()->servicePid(service).value(), QCoreApplication::applicationPid());

    const auto toolTip = qvariant_cast<QDBusArgument>(itemProperty(service, "ToolTip"));
    QString iconName;
    QString title;
    QString text;
    toolTip.beginStructure();
    toolTip >> iconName;
    images(toolTip);
    toolTip >> title >> text;
    toolTip.endStructure();
    EXPECT_EQ(title, QStringLiteral("Lullwick"));
    EXPECT_EQ(text, QString()); // nothing after the name

    EXPECT_EQ(itemProperty(service, "Status").toString(), QStringLiteral("Active"));
    expectShows(service, AppIcon::Started);
}

TEST_F(IconAddSniTest, RemoveAndAddWithTheOtherIconShowsThatIcon)
{
    tray.AddTrayIcon(appIcon(AppIcon::Started));
    const QString started = nextRegistration(0);
    ASSERT_FALSE(started.isEmpty());
    expectShows(started, AppIcon::Started);

    tray.RemoveTrayIcon();
    tray.AddTrayIcon(appIcon(AppIcon::Disabled));
    const QString disabled = nextRegistration(1);
    ASSERT_FALSE(disabled.isEmpty());
    expectShows(disabled, AppIcon::Disabled);
    const QList<QImage> shown = images(qvariant_cast<QDBusArgument>(itemProperty(disabled, "IconPixmap")));
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_NE(shown.constFirst(), appIcon(AppIcon::Started).pixmap(shown.constFirst().size()).toImage());
}

TEST_F(IconAddSniTest, ActivateAndContextMenuShowTheWindowOtherGesturesDoNot)
{
    tray.AddTrayIcon(appIcon(AppIcon::Started));
    const QString service = nextRegistration(0);
    ASSERT_FALSE(service.isEmpty());
    QSignalSpy shown(&tray, &Tray::showWindowRequested);
    const struct {
        const char* method;
        QVariantList args;
        int shows;
    } cases[] = {
        {"Activate", {10, 10}, 1},
        {"ContextMenu", {10, 10}, 1},
        {"SecondaryActivate", {10, 10}, 0},
        {"Scroll", {1, QStringLiteral("vertical")}, 0},
    };
    for (const auto& gesture : cases) {
        SCOPED_TRACE(gesture.method);
        shown.clear();
        // The item acts before it answers, so the answer is the moment to look.
        callItem(service, QLatin1String(gesture.method), gesture.args);
        EXPECT_EQ(shown.count(), gesture.shows);
    }
}

TEST_F(IconAddSniTest, RemoveWithdrawsTheItemAndASecondRemoveIsHarmless)
{
    tray.AddTrayIcon(appIcon(AppIcon::Started));
    const QString service = nextRegistration(0);
    ASSERT_FALSE(service.isEmpty());
    ASSERT_TRUE(hasOwner(service));

    tray.RemoveTrayIcon();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !hasOwner(service); }, WaitMs))
        << "the item is still on the bus";
    tray.RemoveTrayIcon();
    EXPECT_EQ(registrations().size(), 1);

    tray.AddTrayIcon(appIcon(AppIcon::Started));
    const QString again = nextRegistration(1);
    EXPECT_TRUE(hasOwner(again));
}

} // namespace
