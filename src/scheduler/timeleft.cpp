#include "timeleft.h"

#include <QCoreApplication>

namespace {

constexpr qint64 Minute = 60;
constexpr qint64 Hour = 60 * Minute;
constexpr qint64 Quarter = 15 * Minute;
constexpr qint64 Day = 24 * Hour;

struct TimeLeft {
    Q_DECLARE_TR_FUNCTIONS(TimeLeft)
};

} // namespace

QString timeLeftText(qint64 seconds)
{
    if (seconds < Minute)
        return TimeLeft::tr("in less than a minute");
    if (seconds < Hour)
        return TimeLeft::tr("in %1 min").arg((seconds + Minute - 1) / Minute);
    if (seconds < Day) {
        // Rounded down: the event never comes sooner than said.
        const qint64 quarters = seconds / Quarter;
        return quarters % 4 == 0 ? TimeLeft::tr("in %1 h").arg(quarters / 4)
                                 : TimeLeft::tr("in %1 h %2 min").arg(quarters / 4).arg(quarters % 4 * 15);
    }
    const qint64 days = seconds / Day;
    return days == 1 ? TimeLeft::tr("in 1 day") : TimeLeft::tr("in %1 days").arg(days);
}

qint64 secondsUntilTimeLeftChanges(qint64 seconds)
{
    if (seconds < Minute)
        return std::max<qint64>(seconds, 1);
    if (seconds < Hour)
        return (seconds - 1) % Minute + 1;
    const qint64 step = seconds < Day ? Quarter : Day;
    return seconds % step + 1;
}
