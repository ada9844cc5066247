#include "fakelogind.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <gtest/gtest.h>

namespace {

const QString Login1 = QStringLiteral("org.freedesktop.login1");
const QStringList Objects = {QStringLiteral("/org/freedesktop/login1"),
                             QStringLiteral("/org/freedesktop/login1/session/c1"),
                             QStringLiteral("/org/freedesktop/login1/session/auto")};

QDBusMessage callMock(const QDBusConnection& bus, const QString& service, const QString& path,
                      const char* method, const QVariantList& args = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        service, path, QStringLiteral("org.freedesktop.DBus.Mock"), QLatin1String(method));
    message.setArguments(args);
    const QDBusMessage reply = bus.call(message, QDBus::Block, 10000);
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage)
        << method << ": " << reply.errorMessage().toStdString();
    return reply;
}

} // namespace

QList<MockCall> mockCalls(const QDBusConnection& bus, const QString& service, const QString& path)
{
    QList<MockCall> result;
    const auto log =
        qvariant_cast<QDBusArgument>(callMock(bus, service, path, "GetCalls").arguments().value(0));
    log.beginArray();
    while (!log.atEnd()) {
        MockCall call{path, {}, {}};
        qulonglong time = 0;
        log.beginStructure();
        log >> time >> call.method >> call.args;
        log.endStructure();
        result << call;
    }
    log.endArray();
    return result;
}

void clearMockCalls(const QDBusConnection& bus, const QString& service, const QString& path)
{
    callMock(bus, service, path, "ClearCalls");
}

void PrintTo(const MockCall& call, std::ostream* out)
{
    QStringList args;
    for (const QVariant& arg : call.args)
        args << arg.toString();
    *out << qPrintable(call.objectPath) << ' ' << qPrintable(call.method) << '('
         << qPrintable(args.join(u',')) << ')';
}

FakeLogind::FakeLogind()
{
    // The fake lasts while this process keeps the script's input open.
    m_fake.start(QStringLiteral("/bin/sh"),
                 {QStringLiteral(LULLWICK_TEST_SUPPORT_DIR "/fake-logind.sh"), QStringLiteral("run"),
                  QStringLiteral("sh"), QStringLiteral("-c"),
                  QStringLiteral("echo \"$DBUS_SYSTEM_BUS_ADDRESS\"; exec cat >/dev/null")});
    while (!m_fake.canReadLine() && m_fake.waitForReadyRead(30000)) {
    }
    const QByteArray address = m_fake.readLine().trimmed();
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", address);
    m_bus = QDBusConnection::connectToBus(QString::fromUtf8(address), QStringLiteral("fakelogind"));
    EXPECT_TRUE(m_bus.isConnected()) << "no fake logind: " << m_fake.readAllStandardError().toStdString();
}

FakeLogind::~FakeLogind()
{
    QDBusConnection::disconnectFromBus(QStringLiteral("fakelogind"));
    m_fake.closeWriteChannel();
    m_fake.waitForFinished(10000);
}

QList<MockCall> FakeLogind::calls() const
{
    QList<Call> result;
    for (const QString& path : Objects)
        result << mockCalls(m_bus, Login1, path);
    return result;
}

void FakeLogind::clearCalls()
{
    for (const QString& path : Objects)
        clearMockCalls(m_bus, Login1, path);
}

bool FakeLogind::makeFail(const QString& method, const QString& message)
{
    const bool bySession = method == u"GetSessionByPID";
    const QVariantList args = {Login1 + QStringLiteral(".Manager"), method, bySession ? "u" : "b",
                               bySession ? "o" : "",
                               QStringLiteral("raise dbus.exceptions.DBusException('%1', "
                                              "name='org.freedesktop.DBus.Error.AccessDenied')")
                                   .arg(message)};
    return callMock(m_bus, Login1, Objects[0], "AddMethod", args).type() == QDBusMessage::ReplyMessage;
}
