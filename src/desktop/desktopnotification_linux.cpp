#include "desktopnotification.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QVariantMap>
#include <algorithm>

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Interface = QStringLiteral("org.freedesktop.Notifications");
// A service that does not answer within this is taken as none.
constexpr int CallTimeoutMs = 5000;

// The notification through org.freedesktop.Notifications. Every call is asynchronous; while
// a Notify awaits its id, the newest content and a close wait for it, so that updates always
// replace the one notification instead of adding others.
class FreedesktopNotification final : public DesktopNotification {
    Q_OBJECT

public:
    FreedesktopNotification()
    {
        m_bus.connect(Service, Path, Interface, QStringLiteral("ActionInvoked"), this,
                      SLOT(actionInvoked(uint, QString)));
        m_bus.connect(Service, Path, Interface, QStringLiteral("NotificationClosed"), this,
                      SLOT(notificationClosed(uint, uint)));
    }

    void show(const Notice& notice) override
    {
        // One the user dismissed does not come back until another kind of notice is shown.
        if (m_dismissed && notice.critical == m_notice.critical)
            return;
        m_dismissed = false;
        m_notice = notice;
        if (m_waitingForId)
            m_showQueued = true;
        else
            notify();
    }

    void close() override
    {
        m_dismissed = false;
        m_showQueued = false;
        if (m_waitingForId)
            m_closeQueued = true;
        else
            closeShown();
    }

private slots:
    void actionInvoked(uint id, const QString& key)
    {
        const bool offered = std::any_of(m_notice.actions.begin(), m_notice.actions.end(),
                                         [&](const Notice::Action& action) { return action.key == key; });
        if (id != 0 && id == m_id && offered)
            emit DesktopNotification::actionInvoked(key);
    }

    // The user dismissed it: it does not come back while the same kind of notice goes on.
    void notificationClosed(uint id, uint)
    {
        if (id == 0 || id != m_id)
            return;
        m_id = 0;
        m_dismissed = true;
    }

private:
    void notify()
    {
        QDBusMessage call =
            QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("Notify"));
        QStringList actions;
        for (const Notice::Action& action : m_notice.actions)
            actions << action.key << action.caption;
        const QVariantMap hints{
            {QStringLiteral("urgency"), QVariant::fromValue(uchar(m_notice.critical ? 2 : 1))},
            {QStringLiteral("desktop-entry"), QStringLiteral("lullwick")}};
        // A critical one stays until it is closed; the service decides how long others show.
        call << QStringLiteral("Lullwick") << m_id << QStringLiteral("lullwick") << m_notice.summary
             << m_notice.body << actions << hints << (m_notice.critical ? 0 : -1);
        m_waitingForId = true;
        const QDBusPendingCall pending = m_bus.asyncCall(call, CallTimeoutMs);
        auto* watcher = new QDBusPendingCallWatcher(pending, this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, &FreedesktopNotification::notified);
    }

    void notified(QDBusPendingCallWatcher* watcher)
    {
        watcher->deleteLater();
        const QDBusPendingReply<uint> reply = *watcher;
        m_waitingForId = false;
        if (reply.isValid())
            m_id = reply.value();
        if (m_closeQueued) {
            m_closeQueued = false;
            closeShown();
        }
        if (m_showQueued) {
            m_showQueued = false;
            notify();
        }
    }

    void closeShown()
    {
        if (m_id == 0)
            return;
        QDBusMessage call =
            QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("CloseNotification"));
        call << m_id;
        m_bus.asyncCall(call, CallTimeoutMs);
        m_id = 0;
    }

    QDBusConnection m_bus = QDBusConnection::sessionBus();
    uint m_id = 0;
    bool m_waitingForId = false;
    bool m_showQueued = false;
    bool m_closeQueued = false;
    bool m_dismissed = false;
    Notice m_notice;
};

} // namespace

std::unique_ptr<DesktopNotification> createDesktopNotification(Tray&)
{
    return std::make_unique<FreedesktopNotification>();
}

#include "desktopnotification_linux.moc"
