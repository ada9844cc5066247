#include "shutdown_linux.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>

namespace {

const QString Login1 = QStringLiteral("org.freedesktop.login1");
const QString ManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString ManagerInterface = QStringLiteral("org.freedesktop.login1.Manager");
constexpr int CallTimeoutMs = 15000;
// A desktop that has not answered by then is passed over.
constexpr int DesktopTimeoutMs = 5000;
// What the event selectors wait for at most when they ask what the computer can do.
constexpr int QueryTimeoutMs = 3000;

// The system's answer in plain words, then its own message in parentheses.
QString inPlainWords(const QString& errorName, const QString& message)
{
    const char* const noAnswer =
        QT_TRANSLATE_NOOP("PowerActions", "the system's power service did not answer");
    const char* const notOffered =
        QT_TRANSLATE_NOOP("PowerActions", "the system's power service does not offer this");
    // By the last part of the error's name (org.freedesktop.DBus.Error.*, org.freedesktop.login1.*).
    static const QHash<QString, const char*> words = {
        {QStringLiteral("InteractiveAuthorizationRequired"),
         QT_TRANSLATE_NOOP("PowerActions", "the system asked for a password")},
        {QStringLiteral("AccessDenied"), QT_TRANSLATE_NOOP("PowerActions", "you are not allowed to do this")},
        {QStringLiteral("ServiceUnknown"), noAnswer},
        {QStringLiteral("NameHasNoOwner"), noAnswer},
        {QStringLiteral("NoReply"), noAnswer},
        {QStringLiteral("Timeout"), noAnswer},
        {QStringLiteral("TimedOut"), noAnswer},
        {QStringLiteral("NoServer"), noAnswer},
        {QStringLiteral("Disconnected"), noAnswer},
        {QStringLiteral("UnknownMethod"), notOffered},
        {QStringLiteral("UnknownObject"), notOffered},
        {QStringLiteral("UnknownInterface"), notOffered},
        {QStringLiteral("SleepVerbNotSupported"), notOffered},
    };
    const char* said =
        words.value(errorName.section(u'.', -1), QT_TRANSLATE_NOOP("PowerActions", "the system refused"));
    // In English, as the event log keeps it; refusalInUserWords() translates it for the user.
    return QStringLiteral("%1 (%2)").arg(QLatin1String(said), message.isEmpty() ? errorName : message);
}

QString refusalOf(const QDBusMessage& reply)
{
    if (reply.type() != QDBusMessage::ErrorMessage)
        return {};
    return inPlainWords(reply.errorName(), reply.errorMessage());
}

QString callManager(const QDBusConnection& bus, const QString& method)
{
    QDBusMessage call = QDBusMessage::createMethodCall(Login1, ManagerPath, ManagerInterface, method);
    call << false; // interactive
    return refusalOf(bus.call(call, QDBus::Block, CallTimeoutMs));
}

// Calls `method` of the login session this program runs in (Terminate ends every process of it).
QString callOwnSession(const QDBusConnection& bus, const QString& method)
{
    QDBusMessage find = QDBusMessage::createMethodCall(Login1, ManagerPath, ManagerInterface,
                                                       QStringLiteral("GetSessionByPID"));
    find << 0u; // this process
    const QDBusMessage found = bus.call(find, QDBus::Block, CallTimeoutMs);
    QString session = QStringLiteral("/org/freedesktop/login1/session/auto");
    if (found.type() == QDBusMessage::ReplyMessage && !found.arguments().isEmpty())
        session = qvariant_cast<QDBusObjectPath>(found.arguments().constFirst()).path();
    const QDBusMessage call = QDBusMessage::createMethodCall(
        Login1, session, QStringLiteral("org.freedesktop.login1.Session"), method);
    return refusalOf(bus.call(call, QDBus::Block, CallTimeoutMs));
}

// Asks the desktop's session manager on the session bus to log out as its own Log Out does,
// without a confirmation dialog: KDE Plasma's, then GNOME's (mode 1). True when one took it.
bool askDesktopToLogOut()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    const QDBusMessage kde =
        QDBusMessage::createMethodCall(QStringLiteral("org.kde.Shutdown"), QStringLiteral("/Shutdown"),
                                       QStringLiteral("org.kde.Shutdown"), QStringLiteral("logout"));
    QDBusMessage gnome = QDBusMessage::createMethodCall(
        QStringLiteral("org.gnome.SessionManager"), QStringLiteral("/org/gnome/SessionManager"),
        QStringLiteral("org.gnome.SessionManager"), QStringLiteral("Logout"));
    gnome << 1u;
    for (const QDBusMessage& call : {kde, gnome})
        if (bus.call(call, QDBus::Block, DesktopTimeoutMs).type() == QDBusMessage::ReplyMessage)
            return true;
    return false;
}

// Asked of logind as the program starts, so that the answers are there by the time the
// selectors are filled, without waiting for one after the other.
QDBusPendingCall ask(const char* question)
{
    return QDBusConnection::systemBus().asyncCall(
        QDBusMessage::createMethodCall(Login1, ManagerPath, ManagerInterface, QLatin1String(question)),
        QueryTimeoutMs);
}

} // namespace

LogindPowerActions::LogindPowerActions(std::chrono::milliseconds logoffGrace)
    : m_answers{ask(Questions[0].question), ask(Questions[1].question)}
{
    m_logoffFallback.setSingleShot(true);
    m_logoffFallback.setInterval(logoffGrace);
    // A log-off that works ends this process; while it still runs, the session is still there.
    m_logoffFallback.callOnTimeout([] {
        const QString refusal = callOwnSession(QDBusConnection::systemBus(), QStringLiteral("Terminate"));
        if (!refusal.isEmpty())
            qWarning("The session could not be ended: %s", qPrintable(refusal));
    });
}

QString LogindPowerActions::RequestExitWindows(int flags)
{
    if (flags == PowerFlags::Logoff && askDesktopToLogOut()) {
        m_logoffFallback.start();
        return {};
    }
    const QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) // as a bus without logind
        return inPlainWords(QStringLiteral("org.freedesktop.DBus.Error.NoServer"), bus.lastError().message());
    switch (flags) {
    case PowerFlags::Shutdown: // on Linux shutting down powers off, as shutdown(8) does
    case PowerFlags::PowerOff:
        return callManager(bus, QStringLiteral("PowerOff"));
    case PowerFlags::Reboot:
        return callManager(bus, QStringLiteral("Reboot"));
    case PowerFlags::Suspend:
        return callManager(bus, QStringLiteral("Suspend"));
    case PowerFlags::Hibernate:
        return callManager(bus, QStringLiteral("Hibernate"));
    case PowerFlags::Logoff:
        return callOwnSession(bus, QStringLiteral("Terminate"));
    case PowerFlags::Lock:
        return callOwnSession(bus, QStringLiteral("Lock"));
    default:
        return QStringLiteral("Unknown power action %1").arg(flags);
    }
}

bool LogindPowerActions::canCarryOut(const QString& event) const
{
    const auto question = std::find_if(std::begin(Questions), std::end(Questions),
                                       [&](const Question& q) { return event == QLatin1String(q.event); });
    if (question == std::end(Questions))
        return true;
    QDBusPendingCall& pending = m_answers[question - std::begin(Questions)];
    if (!pending.isFinished())
        pending.waitForFinished();
    const QDBusMessage reply = pending.reply();
    const QString answer = reply.arguments().value(0).toString();
    return reply.type() != QDBusMessage::ReplyMessage || answer == u"yes" || answer == u"challenge";
}

std::unique_ptr<PowerActions> createPowerActions()
{
    return std::make_unique<LogindPowerActions>();
}
