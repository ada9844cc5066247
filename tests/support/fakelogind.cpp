#include "fakelogind.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QProcess>
#include <gtest/gtest.h>
#include <optional>

const QString FakeLogind::ManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString FakeLogind::ManagerInterface = QStringLiteral("org.freedesktop.login1.Manager");
const QString FakeLogind::SessionInterface = QStringLiteral("org.freedesktop.login1.Session");

namespace {

const QString Service = QStringLiteral("org.freedesktop.login1");
const QString MockInterface = QStringLiteral("org.freedesktop.DBus.Mock");
constexpr int ScriptTimeoutMs = 30000;
constexpr int CallTimeoutMs = 10000;

// Runs fake-logind.sh; its standard output, or an empty string with a test failure.
QString runScript(const QStringList& arguments)
{
    QProcess script;
    script.start(QStringLiteral("bash"),
                 QStringList{QStringLiteral(LULLWICK_TEST_SUPPORT_DIR "/fake-logind.sh")} + arguments);
    if (!script.waitForFinished(ScriptTimeoutMs)) {
        script.kill();
        script.waitForFinished();
        ADD_FAILURE() << "fake-logind.sh " << arguments.join(u' ').toStdString() << " did not finish";
        return {};
    }
    if (script.exitStatus() != QProcess::NormalExit || script.exitCode() != 0) {
        ADD_FAILURE() << "fake-logind.sh " << arguments.join(u' ').toStdString() << " failed:\n"
                      << script.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(script.readAllStandardOutput());
}

// A Python string literal holding `text`, for method code handed to the mock.
QString pythonLiteral(QString text)
{
    text.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u'\'', QStringLiteral("\\'"))
        .replace(u'\n', QStringLiteral("\\n"))
        .replace(u'\r', QStringLiteral("\\r"));
    return u'\'' + text + u'\'';
}

// The input and output signatures of the methods a test may make fail.
std::optional<std::pair<QString, QString>> methodSignature(const QString& method)
{
    if (method == u"PowerOff" || method == u"Reboot" || method == u"Halt")
        return std::pair{QStringLiteral("b"), QString()};
    if (method == u"GetSessionByPID")
        return std::pair{QStringLiteral("u"), QStringLiteral("o")};
    if (method == u"Terminate")
        return std::pair{QString(), QString()};
    return std::nullopt;
}

QString describe(const QVariant& value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    const QString text = value.toString();
    return text.isEmpty() ? QString::fromLatin1(value.typeName()) : text;
}

} // namespace

FakeLogind::FakeLogind()
{
    if (!m_dir.isValid()) {
        ADD_FAILURE() << "no temporary folder for the fake logind";
        return;
    }
    m_stateDir = m_dir.filePath(QStringLiteral("logind"));
    const QString settings = runScript({QStringLiteral("start"), QStringLiteral("--owner"),
                                        QString::number(QCoreApplication::applicationPid()), m_stateDir});
    for (const QString& line : settings.split(u'\n', Qt::SkipEmptyParts)) {
        const qsizetype equals = line.indexOf(u'=');
        const QString key = line.left(equals);
        const QString value = line.mid(equals + 1);
        if (key == u"DBUS_SYSTEM_BUS_ADDRESS")
            m_address = value;
        else if (key == u"FAKE_LOGIND_SESSION")
            m_ownSession = value;
    }
    if (m_address.isEmpty())
        return;
    m_previousAddress = qgetenv("DBUS_SYSTEM_BUS_ADDRESS");
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_address.toUtf8());
    // The fake's own connection, apart from the one the code under test gets from systemBus().
    m_bus = QDBusConnection::connectToBus(m_address, QStringLiteral("fakelogind-%1").arg(quintptr(this)));
    if (!m_bus.isConnected())
        ADD_FAILURE() << "cannot connect to the fake logind's bus: "
                      << m_bus.lastError().message().toStdString();
}

FakeLogind::~FakeLogind()
{
    if (!m_bus.name().isEmpty())
        QDBusConnection::disconnectFromBus(m_bus.name());
    if (!m_stateDir.isEmpty() && QFile::exists(m_stateDir))
        runScript({QStringLiteral("stop"), m_stateDir});
    if (!m_address.isEmpty()) {
        if (m_previousAddress.isNull())
            qunsetenv("DBUS_SYSTEM_BUS_ADDRESS");
        else
            qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_previousAddress);
    }
}

QString FakeLogind::autoSessionPath()
{
    return QStringLiteral("/org/freedesktop/login1/session/auto");
}

QStringList FakeLogind::objectPaths() const
{
    return {ManagerPath, m_ownSession, autoSessionPath()};
}

QList<FakeLogind::Call> FakeLogind::calls(const QString& objectPath) const
{
    QDBusMessage get =
        QDBusMessage::createMethodCall(Service, objectPath, MockInterface, QStringLiteral("GetCalls"));
    const QDBusMessage reply = m_bus.call(get, QDBus::Block, CallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        ADD_FAILURE() << "GetCalls on " << objectPath.toStdString() << ": "
                      << reply.errorMessage().toStdString();
        return {};
    }
    QList<Call> result;
    const auto log = qvariant_cast<QDBusArgument>(reply.arguments().constFirst());
    log.beginArray();
    while (!log.atEnd()) {
        Call call{objectPath, {}, {}};
        qulonglong time = 0;
        log.beginStructure();
        log >> time >> call.method >> call.args;
        log.endStructure();
        result << call;
    }
    log.endArray();
    return result;
}

QList<FakeLogind::Call> FakeLogind::calls() const
{
    QList<Call> result;
    for (const QString& path : objectPaths())
        result << calls(path);
    return result;
}

void FakeLogind::clearCalls()
{
    for (const QString& path : objectPaths()) {
        const QDBusMessage reply = m_bus.call(
            QDBusMessage::createMethodCall(Service, path, MockInterface, QStringLiteral("ClearCalls")),
            QDBus::Block, CallTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage)
            ADD_FAILURE() << "ClearCalls on " << path.toStdString() << ": "
                          << reply.errorMessage().toStdString();
    }
}

bool FakeLogind::makeFail(const QString& objectPath, const QString& interface, const QString& method,
                          const QString& errorName, const QString& message)
{
    const auto signature = methodSignature(method);
    if (!signature) {
        ADD_FAILURE() << "the fake logind cannot make " << method.toStdString() << " fail";
        return false;
    }
    QDBusMessage add =
        QDBusMessage::createMethodCall(Service, objectPath, MockInterface, QStringLiteral("AddMethod"));
    add << interface << method << signature->first << signature->second
        << QStringLiteral("raise dbus.exceptions.DBusException(%1, name=%2)")
               .arg(pythonLiteral(message), pythonLiteral(errorName));
    const QDBusMessage reply = m_bus.call(add, QDBus::Block, CallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        ADD_FAILURE() << "AddMethod " << method.toStdString() << ": " << reply.errorMessage().toStdString();
        return false;
    }
    return true;
}

void PrintTo(const FakeLogind::Call& call, std::ostream* out)
{
    QStringList args;
    for (const QVariant& arg : call.args)
        args << describe(arg);
    *out << call.objectPath.toStdString() << ' ' << call.method.toStdString() << '('
         << args.join(QStringLiteral(", ")).toStdString() << ')';
}
