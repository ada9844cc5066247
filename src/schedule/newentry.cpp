#include "newentry.h"

#include "timetext.h"

ScheduleEntry newEntry(const QDate& today, const QString& timeText, const QString& status,
                       const QString& frequency, const QString& event, int dayOfWeek)
{
    const bool onWeekday =
        frequency == QLatin1String("Weekly") && dayOfWeek >= Qt::Monday && dayOfWeek <= Qt::Sunday;
    const QDate date = onWeekday ? nextDateOnWeekday(today, dayOfWeek) : today;
    return {makeRecordText(date, timeText), status, frequency, event};
}
