#pragma once

#include <QDate>
#include <QString>
#include <optional>

// The program's two text forms of a moment, written the same whatever the user's locale:
//  - time text "hh:mm:ss AM" on the 12-hour clock (12:00:00 AM is midnight, 12:00:00 PM noon);
//  - record text "M/d/yyyy hh:mm:ss AM", the date an entry was made and its time of day.

inline constexpr int SecondsPerDay = 24 * 60 * 60;

QString formatTimeText(int secondsOfDay);

// Builds a record from a date and a time text as the selectors give it.
QString makeRecordText(const QDate& date, const QString& timeText);

struct RecordMoment {
    QDate date;
    int secondsOfDay = 0;
};

// Reads a record back. Accepts the form written above and also a date alone (midnight), a
// time alone (on 12/30/1899, as older stores hold such records), single-digit fields,
// lower-case am/pm and a 24-hour time without am/pm. Anything else gives nothing.
std::optional<RecordMoment> parseRecordText(QStringView record);

// Reads a time of day alone, in seconds since midnight: "hh:mm:ss AM" or a 24-hour "HH:MM[:SS]",
// as a record's time is read. Anything else, a date included, gives nothing.
std::optional<int> parseTimeText(QStringView text);

// Days of the week are numbered as Qt numbers them: 1 Monday to 7 Sunday.

// The first date from `from` on, `from` itself included, that falls on `dayOfWeek`.
QDate nextDateOnWeekday(const QDate& from, int dayOfWeek);

// The name of a day of the week as the program shows it, in the user's language (the day
// tests compare numbers, never names).
QString weekdayName(int dayOfWeek);
