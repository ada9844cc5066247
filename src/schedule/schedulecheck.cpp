#include "schedulecheck.h"

#include "numbertext.h"
#include "schedulelist.h"
#include "timetext.h"

DueEvent FindDueEntry(const ScheduleList& schedule, const QDateTime& now)
{
    const int scanSecond = now.time().msecsSinceStartOfDay() / 1000;
    const int p = schedule.firstEnabledAt(scanSecond);
    if (p < 0)
        return {};
    return DueEvent{formatTimeText(scanSecond), schedule.cell(p, ScheduleList::EventColumn),
                    schedule.cell(p, ScheduleList::FrequencyColumn), QString::number(p)};
}

bool runsToday(const DueEvent& due, const ScheduleList& schedule, const QDate& today)
{
    if (due.Frequency == QLatin1String("WeekDays"))
        return today.dayOfWeek() != Qt::Saturday && today.dayOfWeek() != Qt::Sunday;
    if (due.Frequency == QLatin1String("Weekly")) {
        const auto position = parseInt16(due.Position);
        if (!position || *position < 0 || *position >= schedule.count())
            return false;
        const QDate recordDate = schedule.recordDate(*position);
        return recordDate.isValid() && recordDate.dayOfWeek() == today.dayOfWeek();
    }
    return true;
}
