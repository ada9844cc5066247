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
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, "org.freedesktop.DBus.Mock", method);
    message.setArguments(args);
    const QDBusMessage reply = bus.call(message);
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << method << ": " << qPrintable(reply.errorMessage());
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
    *out << qPrintable(call.objectPath + u' ' + call.method + u'(' + args.join(u',') + u')');
}

FakeLogind::FakeLogind()
{
    // The fake lasts while this process keeps the script's input open.
    m_fake.start("/bin/sh", {LULLWICK_TEST_SUPPORT_DIR "/fake-logind.sh", "run", "sh", "-c",
                             "echo \"$DBUS_SYSTEM_BUS_ADDRESS\"; exec cat >/dev/null"});
    while (!m_fake.canReadLine() && m_fake.waitForReadyRead(30000)) {
    }
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_fake.readLine().trimmed());
    EXPECT_TRUE(isRunning()) << "no fake logind: " << m_fake.readAllStandardError().toStdString();
}

FakeLogind::~FakeLogind()
{
    m_fake.closeWriteChannel();
    m_fake.waitForFinished();
}

QList<MockCall> FakeLogind::calls() const
{
    QList<Call> result;
    for (const QString& path : Objects)
        result << mockCalls(QDBusConnection::systemBus(), Login1, path);
    return result;
}

void FakeLogind::clearCalls()
{
    for (const QString& path : Objects)
        clearMockCalls(QDBusConnection::systemBus(), Login1, path);
}

bool FakeLogind::makeFail(const QString& method, const QString& message)
{
    const bool bySession = method == u"GetSessionByPID";
    const QString code =
        "raise dbus.exceptions.DBusException('%1', name='org.freedesktop.DBus.Error.AccessDenied')";
    const QVariantList args = {Login1 + ".Manager", method, bySession ? "u" : "b", bySession ? "o" : "",
                               code.arg(message)};
    return callMock(QDBusConnection::systemBus(), Login1, Objects[0], "AddMethod", args).type() ==
           QDBusMessage::ReplyMessage;
}
