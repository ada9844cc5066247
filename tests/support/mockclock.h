#pragma once

#include "desktop/clock.h"

#include <algorithm>
#include <optional>
#include <vector>

// A clock, installed for its lifetime, that moves when the test moves it. Its timers wait on the time
// that passes (advanceMs, fireNextWake); set() moves the wall clock alone, as setting it or a sleep does.
class MockClock final : public Clock {
public:
    explicit MockClock(const QDateTime& start) : m_now(start) { Clock::setInstance(this); }
    ~MockClock() override { Clock::setInstance(nullptr); }
    void set(const QDateTime& now) { m_now = now; }
    void advanceMs(qint64 ms)
    {
        m_now = m_now.addMSecs(ms);
        m_elapsed += ms;
    }
    // When the earliest started timer fires; nothing when none is started.
    std::optional<QDateTime> nextWake() const
    {
        const Timer* timer = earliest();
        return timer ? std::optional(m_now.addMSecs(std::max<qint64>(*timer->deadline - m_elapsed, 0)))
                     : std::nullopt;
    }
    // Lets the time pass up to the earliest started timer and fires it (late, when the time
    // passed it already: the program was held up).
    void fireNextWake()
    {
        Timer* timer = earliest();
        advanceMs(std::max<qint64>(*timer->deadline - m_elapsed, 0));
        timer->deadline.reset();
        emit timer->timeout();
    }

protected:
    QDateTime currentDateTime() const override { return m_now; }
    qint64 currentElapsedMs() const override { return m_elapsed; }
    std::unique_ptr<WakeTimer> createTimer() override { return std::make_unique<Timer>(*this); }

private:
    struct Timer final : WakeTimer {
        explicit Timer(MockClock& owner) : clock(owner) { clock.m_timers.push_back(this); }
        ~Timer() override { std::erase(clock.m_timers, this); }
        void start(qint64 ms) override { deadline = clock.m_elapsed + std::max<qint64>(ms, 0); }
        void stop() override { deadline.reset(); }
        bool isActive() const override { return deadline.has_value(); }
        MockClock& clock;
        std::optional<qint64> deadline; // in the timers' time; nothing while stopped
    };
    Timer* earliest() const
    {
        const auto by = [](const Timer* timer) { return timer->deadline.value_or(INT64_MAX); };
        const auto found = std::ranges::min_element(m_timers, {}, by);
        return found != m_timers.end() && (*found)->deadline ? *found : nullptr;
    }
    QDateTime m_now;
    qint64 m_elapsed = 0; // milliseconds that passed: the timers' time
    std::vector<Timer*> m_timers;
};
