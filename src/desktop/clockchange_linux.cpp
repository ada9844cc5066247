#include "clockchange.h"

#include <QDBusConnection>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>
#include <QVariantMap>
#include <ctime>
#include <limits>
#include <sys/inotify.h>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {

// Arms `descriptor` for the far future: it never expires, and a read fails with ECANCELED
// once the clock has been set.
bool armForClockSet(int descriptor)
{
    itimerspec far{};
    far.it_value.tv_sec = std::numeric_limits<time_t>::max() / 2;
    return ::timerfd_settime(descriptor, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &far, nullptr) == 0;
}

// Says when the local time zone changes: the file that names it is created, replaced, written
// or removed, or timedated reports a new Timezone. The file is watched through its folder, since
// it is usually a link that is replaced (a watch on the link would follow it to the old zone's
// file, which never changes). Nothing needs reloading afterwards: Qt calls tzset() before each
// local time conversion, and glibc then reads the file again once it is another file or newer.
class TimeZoneWatch : public QObject {
    Q_OBJECT

public:
    TimeZoneWatch(const QString& localTimeFile, QObject* parent)
        : QObject(parent), m_name(QFileInfo(localTimeFile).fileName().toLocal8Bit())
    {
        // One signal for a change made in steps: `ln -sf` may remove the link and make it anew,
        // timedated writes the file and then announces its property.
        m_settle.setSingleShot(true);
        m_settle.setInterval(200);
        connect(&m_settle, &QTimer::timeout, this, &TimeZoneWatch::changed);

        QDBusConnection::systemBus().connect(
            QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("/org/freedesktop/timedate1"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"), this,
            SLOT(onTimedatePropertiesChanged(QString, QVariantMap, QStringList)));

        m_descriptor = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        const QByteArray folder = QFileInfo(localTimeFile).absolutePath().toLocal8Bit();
        if (m_descriptor < 0 || ::inotify_add_watch(m_descriptor, folder.constData(),
                                                    IN_ONLYDIR | IN_CREATE | IN_MOVED_TO | IN_MOVED_FROM |
                                                        IN_CLOSE_WRITE | IN_DELETE) < 0)
            return;
        auto* notifier = new QSocketNotifier(m_descriptor, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, &TimeZoneWatch::readEvents);
    }
    ~TimeZoneWatch() override
    {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
    }

signals:
    void changed();

private slots:
    void onTimedatePropertiesChanged(const QString& interface, const QVariantMap& changed,
                                     const QStringList& invalidated)
    {
        const QString zone = QStringLiteral("Timezone");
        if (interface == u"org.freedesktop.timedate1" &&
            (changed.contains(zone) || invalidated.contains(zone)))
            m_settle.start();
    }

private:
    // Events name any file of the folder; only those of the zone file count, and an overflowed
    // queue may have held one.
    void readEvents()
    {
        alignas(inotify_event) char buffer[4096];
        bool zoneFile = false;
        for (ssize_t length; (length = ::read(m_descriptor, buffer, sizeof buffer)) > 0;) {
            for (ssize_t at = 0; at < length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                zoneFile = zoneFile || (event->mask & IN_Q_OVERFLOW) || (event->len && m_name == event->name);
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        if (zoneFile)
            m_settle.start();
    }

    const QByteArray m_name;
    int m_descriptor = -1;
    QTimer m_settle;
};

} // namespace

ClockChangeWatcher::ClockChangeWatcher(QObject* parent, const QString& localTimeFile) : QObject(parent)
{
    // On resume the kernel also cancels the timerfd; logind's signal covers kernels that do not.
    QDBusConnection::systemBus().connect(QStringLiteral("org.freedesktop.login1"),
                                         QStringLiteral("/org/freedesktop/login1"),
                                         QStringLiteral("org.freedesktop.login1.Manager"),
                                         QStringLiteral("PrepareForSleep"), this, SLOT(onSleepChanged(bool)));
    connect(new TimeZoneWatch(localTimeFile, this), &TimeZoneWatch::changed, this,
            &ClockChangeWatcher::timeZoneChanged);

    const int descriptor = ::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (descriptor < 0)
        return;
    if (!armForClockSet(descriptor)) {
        ::close(descriptor);
        return;
    }
    m_handle = descriptor;
    auto* notifier = new QSocketNotifier(descriptor, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this, descriptor] {
        quint64 expirations = 0;
        [[maybe_unused]] const auto read = ::read(descriptor, &expirations, sizeof expirations);
        armForClockSet(descriptor);
        emit clockSet();
    });
}

ClockChangeWatcher::~ClockChangeWatcher()
{
    if (m_handle >= 0)
        ::close(static_cast<int>(m_handle));
}

void ClockChangeWatcher::onSleepChanged(bool sleeping)
{
    if (!sleeping)
        emit resumed();
}

#include "clockchange_linux.moc"
