#include "schedulecheck.h"

#include "numbertext.h"
#include "schedulelist.h"
#include "timetext.h"

namespace {

int secondOfDay(const QDateTime& moment)
{
    return moment.time().msecsSinceStartOfDay() / 1000;
}

// The first enabled entry at `second` that runs on `day` (its day test passes and that run
// is not skipped): an entry that does not run that day does not hide a later one at the same
// second.
DueEvent dueAt(const ScheduleList& schedule, int second, const QDate& day)
{
    for (int p = schedule.firstEnabledAt(second); p >= 0; p = schedule.firstEnabledAt(second, p + 1)) {
        const DueEvent due{formatTimeText(second), schedule.cell(p, ScheduleList::EventColumn),
                           schedule.cell(p, ScheduleList::FrequencyColumn), QString::number(p)};
        if (runsToday(due, schedule, day) && schedule.skippedDay(p) != day)
            return due;
    }
    return {};
}

QDateTime weekAhead(const QDateTime& now)
{
    return {now.date().addDays(8), QTime(0, 0)};
}

} // namespace

DueEvent FindDueEntry(const ScheduleList& schedule, const QDateTime& now)
{
    return dueAt(schedule, secondOfDay(now), now.date());
}

std::optional<DueMoment> firstDueBetween(const ScheduleList& schedule, const QDateTime& from,
                                         const QDateTime& until)
{
    const QDateTime start = from.addMSecs(-from.time().msec());
    int fromSecond = secondOfDay(start);
    for (QDate day = start.date(); day <= until.date(); day = day.addDays(1), fromSecond = 0) {
        // nextEnabledSecond goes on past midnight; a smaller second belongs to the next day.
        for (auto second = schedule.nextEnabledSecond(fromSecond); second && *second >= fromSecond;
             second = schedule.nextEnabledSecond(fromSecond)) {
            const QDateTime when(day, QTime::fromMSecsSinceStartOfDay(*second * 1000));
            if (when >= until)
                return std::nullopt;
            if (when >= start) {
                if (const DueEvent due = dueAt(schedule, *second, day); !due.isEmpty())
                    return DueMoment{when, due};
            }
            fromSecond = *second + 1;
        }
    }
    return std::nullopt;
}

std::optional<DueMoment> nextDue(const ScheduleList& schedule, const QDateTime& now)
{
    return firstDueBetween(schedule, now, weekAhead(now));
}

QDateTime nextRunOf(const ScheduleList& schedule, int position, const QDateTime& now)
{
    const auto second = schedule.secondsOfDay(position);
    if (!second || !schedule.whyNeverRuns(position).isEmpty())
        return {};
    const QString mine = QString::number(position);
    for (QDate day = now.date(); day < weekAhead(now).date(); day = day.addDays(1)) {
        const QDateTime when(day, QTime::fromMSecsSinceStartOfDay(*second * 1000));
        if (when >= now.addMSecs(-now.time().msec()) && dueAt(schedule, *second, day).Position == mine)
            return when;
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
