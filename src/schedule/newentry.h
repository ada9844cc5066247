#pragma once

#include "scheduleentry.h"

#include <QDate>

// An entry as the user composes it on `today`: its record's date is today, or for a "Weekly"
// entry the first date from today on that falls on `dayOfWeek` (1 Monday to 7 Sunday; any
// other number keeps today). `timeText` is a time text, "07:30:00 PM".
ScheduleEntry newEntry(const QDate& today, const QString& timeText, const QString& status,
                       const QString& frequency, const QString& event, int dayOfWeek);
