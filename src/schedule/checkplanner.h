#pragma once

#include "desktop/clockchange.h"
#include "desktop/waketimer.h"

#include <QDateTime>
#include <QObject>
#include <memory>
#include <optional>

class ScheduleList;

// When the schedule check ticks. While started, it sleeps until the start of the next second
// in which an enabled entry's time of day falls (as a real local time, so daylight-saving
// changes count), however far ahead, ticks every 100 ms through such a second, and plans
// again at once when the schedule changes, when it is started, when the system clock is set
// or its time zone changes, and when the computer wakes from sleep.
//
// A tick that comes later than planned because the program was held up (not because the
// computer slept or the clock was set) says from when on the schedule went unchecked.
class CheckPlanner : public QObject {
    Q_OBJECT

public:
    explicit CheckPlanner(const ScheduleList& schedule, QObject* parent = nullptr);
    ~CheckPlanner() override;

    void start();
    void stop();
    bool isStarted() const { return m_started; }

signals:
    // A tick of the schedule check is due now. `uncheckedSince` is the moment from which on no
    // tick came when one was due, when the program was held up past it; invalid otherwise.
    void tickDue(const QDateTime& uncheckedSince);
    // It planned again: what runs next, and when, may have changed.
    void planned();
    // The computer woke from sleep.
    void resumed();

private:
    void plan();
    // From `now` to the next tick; nothing when no entry is enabled.
    std::optional<qint64> msecsToNextTick(const QDateTime& now) const;

    const ScheduleList& m_schedule;
    std::unique_ptr<WakeTimer> m_timer;
    ClockChangeWatcher m_clockChange;
    bool m_started = false;
    // When the timer was started, by the clock and by the time that passes, and for when.
    QDateTime m_plannedAt;
    qint64 m_plannedAtElapsed = 0;
    QDateTime m_plannedFor;
};
