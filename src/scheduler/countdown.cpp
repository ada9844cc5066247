#include "countdown.h"

#include "desktop/clock.h"

namespace {

constexpr int StepMs = 1000;

} // namespace

Countdown::Countdown(QObject* parent) : QObject(parent), m_timer(Clock::newTimer())
{
    connect(m_timer.get(), &WakeTimer::timeout, this, &Countdown::step);
}

Countdown::~Countdown() = default;

void Countdown::begin(int seconds)
{
    m_secondsLeft = seconds > 1 ? seconds : seconds + 1;
    m_emphasised = false;
    m_running = true;
    m_timer->start(StepMs);
}

void Countdown::stop()
{
    m_running = false;
    m_timer->stop();
}

void Countdown::step()
{
    --m_secondsLeft;
    m_emphasised = m_secondsLeft % 2 != 0;
    if (m_secondsLeft > 0)
        m_timer->start(StepMs);
    else
        m_running = false;
    emit stepped();
}
