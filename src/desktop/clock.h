#pragma once

#include <QDateTime>

// The program's one source of the current local date and time. Nothing else reads the
// system time, so tests can install a clock they set and advance themselves.
class Clock {
public:
    virtual ~Clock() = default;

    static QDateTime now();
    // Installs a clock for the whole program; nullptr goes back to the system clock.
    // The caller keeps ownership.
    static void setInstance(Clock* clock);

protected:
    virtual QDateTime currentDateTime() const = 0;
};
