#include "controlservice.h"
#include "dbusnames.h"
#include "dbusservice_linux.h"
#include "lullwickadaptor.h"
#include "scheduler/scheduler.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

DBusService::DBusService(Controller& controller, QObject* parent) : QObject(parent), m_controller(controller)
{
    new LullwickAdaptor(this);
    connect(&controller.scheduler(), &Scheduler::statusChanged, this, &DBusService::onStatusChanged);
}

QString DBusService::status() const
{
    return m_controller.scheduler().status();
}

void DBusService::onStatusChanged(const QString& status)
{
    emit NextChanged(status);
    QDBusMessage changed =
        QDBusMessage::createSignal(DBusNames::Path, QStringLiteral("org.freedesktop.DBus.Properties"),
                                   QStringLiteral("PropertiesChanged"));
    changed << DBusNames::Interface << QVariantMap{{QStringLiteral("Next"), status}} << QStringList();
    QDBusConnection::sessionBus().send(changed);
}

QStringList DBusService::run(Command command, const QVariantList& arguments)
{
    const ControlReply reply = m_controller.execute({command, arguments});
    if (reply.error == ControlReply::Error::None)
        return reply.lines;
    sendErrorReply(reply.error == ControlReply::Error::InvalidArgument ? DBusNames::InvalidArgument
                                                                       : DBusNames::Refused,
                   reply.message);
    return {};
}

// clang-format off
QStringList DBusService::List() { return run(Command::List); }
QString DBusService::Next() { return run(Command::Next).value(0); }
QString DBusService::Add(const QString& entry) { return run(Command::Add, {entry}).value(0); }
QString DBusService::AddIn(uint minutes, const QString& event) { return run(Command::AddIn, {minutes, event}).value(0); }
void DBusService::Delete(uint entry) { run(Command::Delete, {entry}); }
void DBusService::Enable(uint entry) { run(Command::Enable, {entry}); }
void DBusService::Disable(uint entry) { run(Command::Disable, {entry}); }
void DBusService::Postpone(uint minutes) { run(Command::Postpone, {minutes}); }
void DBusService::SkipNext() { run(Command::SkipNext); }
void DBusService::Start() { run(Command::Start); }
void DBusService::Stop() { run(Command::Stop); }
void DBusService::Show() { run(Command::Show); }
void DBusService::Quit() { run(Command::Quit); }
// clang-format on

std::unique_ptr<QObject> publishController(Controller& controller, QString* error)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    auto service = std::make_unique<DBusService>(controller);
    if (!bus.isConnected()) {
        *error = bus.lastError().message();
        return nullptr;
    }
    if (!bus.registerObject(DBusNames::Path, service.get())) {
        *error = bus.lastError().message();
        return nullptr;
    }
    // Not queued: a name another program holds stays its own.
    const auto reply =
        bus.interface()->registerService(DBusNames::Service, QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (reply.value() != QDBusConnectionInterface::ServiceRegistered) {
        bus.unregisterObject(DBusNames::Path);
        *error = reply.error().isValid() ? reply.error().message()
                                         : QStringLiteral("%1 is taken").arg(DBusNames::Service);
        return nullptr;
    }
    return service;
}
