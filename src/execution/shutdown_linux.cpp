#include "shutdown.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>

namespace {

const QString Login1 = QStringLiteral("org.freedesktop.login1");
const QString ManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString ManagerInterface = QStringLiteral("org.freedesktop.login1.Manager");
constexpr int CallTimeoutMs = 15000;

// Power actions through systemd-logind on the system bus. Every request is
// non-interactive: polkit decides from the session's rights and never asks for a password
// that nobody is there to type at night.
class LogindPowerActions final : public PowerActions {
public:
    QString RequestExitWindows(int flags) override
    {
        QDBusConnection bus = QDBusConnection::systemBus();
        if (!bus.isConnected())
            return QStringLiteral("The system bus cannot be reached: %1").arg(bus.lastError().message());
        switch (flags) {
        case PowerFlags::Shutdown: // on Linux shutting down powers off, as shutdown(8) does
        case PowerFlags::PowerOff:
            return callManager(bus, QStringLiteral("PowerOff"));
        case PowerFlags::Reboot:
            return callManager(bus, QStringLiteral("Reboot"));
        case PowerFlags::Logoff:
            return terminateOwnSession(bus);
        default:
            return QStringLiteral("Unknown power action %1").arg(flags);
        }
    }

private:
    static QString errorOf(const QDBusMessage& reply)
    {
        if (reply.type() != QDBusMessage::ErrorMessage)
            return {};
        return reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
    }

    static QString callManager(QDBusConnection& bus, const QString& method)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(Login1, ManagerPath, ManagerInterface, method);
        call << false; // interactive
        return errorOf(bus.call(call, QDBus::Block, CallTimeoutMs));
    }

    // Ends the login session this program runs in, with every process of it.
    static QString terminateOwnSession(QDBusConnection& bus)
    {
        QDBusMessage find = QDBusMessage::createMethodCall(Login1, ManagerPath, ManagerInterface,
                                                           QStringLiteral("GetSessionByPID"));
        find << 0u; // this process
        const QDBusMessage found = bus.call(find, QDBus::Block, CallTimeoutMs);
        QString session = QStringLiteral("/org/freedesktop/login1/session/auto");
        if (found.type() == QDBusMessage::ReplyMessage && !found.arguments().isEmpty())
            session = qvariant_cast<QDBusObjectPath>(found.arguments().constFirst()).path();
        const QDBusMessage terminate = QDBusMessage::createMethodCall(
            Login1, session, QStringLiteral("org.freedesktop.login1.Session"), QStringLiteral("Terminate"));
        return errorOf(bus.call(terminate, QDBus::Block, CallTimeoutMs));
    }
};

} // namespace

std::unique_ptr<PowerActions> createPowerActions()
{
    return std::make_unique<LogindPowerActions>();
}
