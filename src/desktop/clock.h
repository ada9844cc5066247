#pragma once

#include "waketimer.h"

#include <QDateTime>
#include <memory>

// The program's one source of the current local date and time, and of timers that wait for
// a moment of it. Nothing else reads the system time, so tests can install a clock they set
// and advance themselves.
class Clock {
public:
    virtual ~Clock() = default;

    static QDateTime now();
    // Milliseconds of time that passed, from a fixed start: unlike now(), it never jumps when
    // the clock is set, and it does not count time the computer slept.
    static qint64 elapsedMs();
    // A timer that runs on the installed clock.
    static std::unique_ptr<WakeTimer> newTimer();
    // Installs a clock for the whole program; nullptr goes back to the system clock.
    // The caller keeps ownership.
    static void setInstance(Clock* clock);

protected:
    virtual QDateTime currentDateTime() const = 0;
    virtual qint64 currentElapsedMs() const = 0;
    virtual std::unique_ptr<WakeTimer> createTimer() = 0;
};
