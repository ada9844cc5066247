#pragma once

#include "desktop/clock.h"

// A clock that stands still until the test sets or advances it; installed for its lifetime.
class MockClock final : public Clock {
public:
    explicit MockClock(const QDateTime& start) : m_now(start) { Clock::setInstance(this); }
    ~MockClock() override { Clock::setInstance(nullptr); }
    MockClock(const MockClock&) = delete;
    MockClock& operator=(const MockClock&) = delete;

    void set(const QDateTime& now) { m_now = now; }
    void advanceMs(qint64 ms) { m_now = m_now.addMSecs(ms); }
    void advanceSeconds(qint64 seconds) { m_now = m_now.addSecs(seconds); }
    void advanceDays(qint64 days) { m_now = m_now.addDays(days); }

protected:
    QDateTime currentDateTime() const override { return m_now; }

private:
    QDateTime m_now;
};
