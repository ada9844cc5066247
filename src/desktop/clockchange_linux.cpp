#include "clockchange.h"

#include <QDBusConnection>
#include <QSocketNotifier>
#include <ctime>
#include <limits>
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

} // namespace

ClockChangeWatcher::ClockChangeWatcher(QObject* parent) : QObject(parent)
{
    // On resume the kernel also cancels the timerfd; logind's signal covers kernels that do not.
    QDBusConnection::systemBus().connect(QStringLiteral("org.freedesktop.login1"),
                                         QStringLiteral("/org/freedesktop/login1"),
                                         QStringLiteral("org.freedesktop.login1.Manager"),
                                         QStringLiteral("PrepareForSleep"), this, SLOT(onSleepChanged(bool)));

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
