#include "fakelogind.h"

#include <QDBusArgument>
#include <gtest/gtest.h>

static const QString Login1 = "org.freedesktop.login1";

QDBusMessage callMock(const QDBusConnection& bus, const QString& service, const QString& path,
                      const char* method, const QVariantList& args)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, "org.freedesktop.DBus.Mock", method);
    message.setArguments(args);
    const QDBusMessage reply = bus.call(message);
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << method << ": " << qPrintable(reply.errorMessage());
    return reply;
}
QList<MockCall> mockCalls(const QDBusConnection& bus, const QString& service, const QString& path)
{
    QList<MockCall> result;
    const auto log =
        qvariant_cast<QDBusArgument>(callMock(bus, service, path, "GetCalls").arguments().value(0));
    log.beginArray();
    for (qulonglong time = 0; !log.atEnd(); log.endStructure()) {
        result.append({path, {}, {}});
        log.beginStructure();
        log >> time >> result.last().method >> result.last().args;
    }
    return result;
}

FakeLogind::FakeLogind()
{
    // The fake lasts while this process keeps the script's input open.
    m_fake.start("/bin/sh", {LULLWICK_TEST_SUPPORT_DIR "/fake-logind.sh", "run", "sh", "-c",
                             "echo \"$DBUS_SYSTEM_BUS_ADDRESS\"; exec cat >/dev/null"});
    while (!m_fake.canReadLine() && m_fake.waitForReadyRead(30000)) {
    }
    const QByteArray address = m_fake.readLine().trimmed();
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", address);
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    EXPECT_TRUE(isRunning()) << "no fake logind: " << m_fake.readAllStandardError().toStdString();
}
FakeLogind::~FakeLogind()
{
    m_fake.closeWriteChannel();
    m_fake.waitForFinished();
}
QList<MockCall> FakeLogind::calls()
{
    QList<Call> result;
    for (const QString path : {"", "/session/c1", "/session/auto"}) {
        result << mockCalls(QDBusConnection::systemBus(), Login1, "/org/freedesktop/login1" + path);
        callMock(QDBusConnection::systemBus(), Login1, "/org/freedesktop/login1" + path, "ClearCalls");
    }
    return result;
}
bool FakeLogind::setMethod(const QString& method, const QString& code)
{
    const bool question = method.startsWith("Can"), byPid = method == u"GetSessionByPID";
    const QVariantList args = {Login1 + ".Manager", method,
                               byPid      ? "u"
                               : question ? ""
                                          : "b",
                               byPid      ? "o"
                               : question ? "s"
                                          : "",
                               code};
    return callMock(QDBusConnection::systemBus(), Login1, "/org/freedesktop/login1", "AddMethod", args)
               .type() == QDBusMessage::ReplyMessage;
}
bool FakeLogind::makeFail(const QString& method, const QString& message, const QString& name)
{
    return setMethod(method, "raise dbus.exceptions.DBusException('" + message + "', name='" + name + "')");
}

QList<MockCall> FakeLogind::requests()
{
    QList<Call> all = calls();
    all.removeIf([](const Call& call) { return call.method.startsWith(QLatin1String("Can")); });
    return all;
}
