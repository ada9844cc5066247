#pragma once

#include "desktop/clock.h"

#include <algorithm>
#include <optional>
#include <vector>

// A clock that stands still until the test sets or advances it; installed for its lifetime.
// Its timers wait on the time that passes (advance*, fireNextWake), not on the wall clock:
// set() moves only the wall clock, as setting the system time or a sleep of the computer does.
class MockClock final : public Clock {
public:
    explicit MockClock(const QDateTime& start) : m_now(start) { Clock::setInstance(this); }
    ~MockClock() override { Clock::setInstance(nullptr); }
    MockClock(const MockClock&) = delete;
    MockClock& operator=(const MockClock&) = delete;

    void set(const QDateTime& now) { m_now = now; }
    void advanceMs(qint64 ms)
    {
        m_now = m_now.addMSecs(ms);
        m_elapsed += ms;
    }
    void advanceSeconds(qint64 seconds) { advanceMs(seconds * 1000); }
    void advanceDays(qint64 days) { advanceSeconds(days * 86400); }

    // When the earliest started timer fires, or nothing when none is started.
    std::optional<QDateTime> nextWake() const
    {
        const Timer* timer = earliest();
        return timer ? std::optional(m_now.addMSecs(timer->deadline - m_elapsed)) : std::nullopt;
    }
    // Lets the time pass up to the earliest started timer and fires it.
    void fireNextWake()
    {
        Timer* timer = earliest();
        advanceMs(timer->deadline - m_elapsed);
        timer->active = false;
        emit timer->timeout();
    }

protected:
    QDateTime currentDateTime() const override { return m_now; }
    std::unique_ptr<WakeTimer> createTimer() override { return std::make_unique<Timer>(*this); }

private:
    struct Timer final : WakeTimer {
        explicit Timer(MockClock& owner) : clock(owner) { clock.m_timers.push_back(this); }
        ~Timer() override { std::erase(clock.m_timers, this); }
        void start(qint64 ms) override
        {
            deadline = clock.m_elapsed + std::max<qint64>(ms, 0);
            active = true;
        }
        void stop() override { active = false; }
        bool isActive() const override { return active; }

        MockClock& clock;
        qint64 deadline = 0;
        bool active = false;
    };
    Timer* earliest() const
    {
        Timer* found = nullptr;
        for (Timer* timer : m_timers)
            if (timer->active && (!found || timer->deadline < found->deadline))
                found = timer;
        return found;
    }

    QDateTime m_now;
    qint64 m_elapsed = 0; // milliseconds that passed, the timers' time
    std::vector<Timer*> m_timers;
};
