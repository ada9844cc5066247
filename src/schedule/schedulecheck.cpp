#include "schedulecheck.h"

#include "numbertext.h"
#include "schedulelist.h"
#include "timetext.h"

namespace {

DueEvent dueAt(const ScheduleList& schedule, int scanSecond)
{
    const int p = schedule.firstEnabledAt(scanSecond);
    if (p < 0)
        return {};
    return DueEvent{formatTimeText(scanSecond), schedule.cell(p, ScheduleList::EventColumn),
                    schedule.cell(p, ScheduleList::FrequencyColumn), QString::number(p)};
}

} // namespace

DueEvent FindDueEntry(const ScheduleList& schedule, const QDateTime& now)
{
    return dueAt(schedule, now.time().msecsSinceStartOfDay() / 1000);
}

DueEvent nextDueEvent(const ScheduleList& schedule, const QDateTime& now)
{
    int from = now.time().msecsSinceStartOfDay() / 1000;
    for (int day = 0; day <= 7; ++day, from = 0) {
        const QDate date = now.date().addDays(day);
        // nextEnabledSecond goes on past midnight; a smaller second belongs to the next day.
        for (auto second = schedule.nextEnabledSecond(from); second && *second >= from;
             second = schedule.nextEnabledSecond(from)) {
            const DueEvent due = dueAt(schedule, *second);
            if (runsToday(due, schedule, date))
                return due;
            from = *second + 1;
        }
    }
    return {};
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
