#include "clock.h"

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <climits>

namespace {

// Fires to the millisecond: the schedule check wakes at the start of a second.
class PreciseWakeTimer final : public WakeTimer {
public:
    PreciseWakeTimer()
    {
        m_timer.setSingleShot(true);
        m_timer.setTimerType(Qt::PreciseTimer);
        connect(&m_timer, &QTimer::timeout, this, &WakeTimer::timeout);
    }
    void start(qint64 ms) override { m_timer.start(static_cast<int>(std::clamp<qint64>(ms, 0, INT_MAX))); }
    void stop() override { m_timer.stop(); }
    bool isActive() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
};

class SystemClock final : public Clock {
public:
    SystemClock() { m_elapsed.start(); }

protected:
    QDateTime currentDateTime() const override { return QDateTime::currentDateTime(); }
    qint64 currentElapsedMs() const override { return m_elapsed.elapsed(); }
    std::unique_ptr<WakeTimer> createTimer() override { return std::make_unique<PreciseWakeTimer>(); }

private:
    QElapsedTimer m_elapsed; // CLOCK_MONOTONIC on Linux, which stops while the computer sleeps
};

SystemClock systemClock;
Clock* installed = &systemClock;

} // namespace

QDateTime Clock::now()
{
    return installed->currentDateTime();
}

qint64 Clock::elapsedMs()
{
    return installed->currentElapsedMs();
}

std::unique_ptr<WakeTimer> Clock::newTimer()
{
    return installed->createTimer();
}

void Clock::setInstance(Clock* clock)
{
    installed = clock ? clock : &systemClock;
}
