#include "dbusnames.h"
#include "instanceclient.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>

namespace {

QDBusMessage callInstance(const ControlRequest& request)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return QDBusMessage::createError(bus.lastError());
    QDBusMessage call =
        QDBusMessage::createMethodCall(DBusNames::Service, DBusNames::Path, DBusNames::Interface,
                                       QString::fromLatin1(infoOf(request.command).method));
    call.setArguments(request.arguments);
    return bus.call(call);
}

} // namespace

std::optional<ControlReply> sendToRunningInstance(const ControlRequest& request, QString* why)
{
    const QDBusMessage reply = callInstance(request);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        const QDBusError error(reply);
        if (error.name() == DBusNames::InvalidArgument)
            return ControlReply::refused(ControlReply::Error::InvalidArgument, error.message());
        // An instance that ends as asked may be gone before its answer.
        if (request.command == Command::Quit && error.type() == QDBusError::NoReply)
            return ControlReply{};
        *why = error.message();
        // No one owns the name (none runs, or it is starting), or there is no bus at all.
        if (error.type() == QDBusError::ServiceUnknown || error.type() == QDBusError::Disconnected ||
            error.name() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner"))
            return std::nullopt;
        return ControlReply::refused(ControlReply::Error::Refused, error.message());
    }
    ControlReply answer;
    for (const QVariant& value : reply.arguments())
        answer.lines << value.toStringList(); // a list of lines, or one
    return answer;
}
