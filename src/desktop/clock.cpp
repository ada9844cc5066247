#include "clock.h"

namespace {

class SystemClock final : public Clock {
protected:
    QDateTime currentDateTime() const override { return QDateTime::currentDateTime(); }
};

SystemClock systemClock;
Clock* installed = &systemClock;

} // namespace

QDateTime Clock::now()
{
    return installed->currentDateTime();
}

void Clock::setInstance(Clock* clock)
{
    installed = clock ? clock : &systemClock;
}
