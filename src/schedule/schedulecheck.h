#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

class ScheduleList;

// The hand-over from the scan that found an entry due to the warning and completion that
// carry it out. All fields are empty when nothing is due.
struct DueEvent {
    QString DueTime;   // the entry's time text, "07:30:00 PM"
    QString EventKind; // "Shutdown", "Logoff", "Reboot" or "PowerOff"
    QString Frequency; // "Once", "Daily", "WeekDays" or "Weekly"
    QString Position;  // the entry's position in the list, in decimal

    bool isEmpty() const { return DueTime.isEmpty(); }
};

// Finds the entry due at the second of `now`: the first enabled entry whose time of day is
// that second and whose day test passes today. Returns an empty DueEvent when there is none.
// Reads only the times kept with the entries, so a scan of thousands of entries takes
// microseconds.
DueEvent FindDueEntry(const ScheduleList& schedule, const QDateTime& now);

// An entry due at a moment.
struct DueMoment {
    QDateTime when;
    DueEvent due;
};

// The first entry due at a second from the second of `from` on, before `until`.
std::optional<DueMoment> firstDueBetween(const ScheduleList& schedule, const QDateTime& from,
                                         const QDateTime& until);

// The entry the check will carry out next, from the second of `now` on and up to a week
// ahead. Nothing when no entry will run.
std::optional<DueMoment> nextDue(const ScheduleList& schedule, const QDateTime& now);

// When the entry at `position` runs next, from the second of `now` on and up to a week ahead:
// at its time on a day its day test passes, unless that run is skipped or an earlier entry
// at the same second runs instead. Invalid when it does not run within a week.
QDateTime nextRunOf(const ScheduleList& schedule, int position, const QDateTime& now);

// The frequency's day test for an entry found due: "WeekDays" runs Monday to Friday,
// "Weekly" on the weekday of the date in the entry's record, everything else on any day.
bool runsToday(const DueEvent& due, const ScheduleList& schedule, const QDate& today);
