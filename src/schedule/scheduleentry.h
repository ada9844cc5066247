#pragma once

#include <QString>
#include <QStringList>

// One scheduled event, every field as text exactly as the user picked or the store held it.
struct ScheduleEntry {
    QString SetTime;   // record text: creation date and time of day, "7/30/2026 07:30:00 PM"
    QString Status;    // "Enabled" or "Disabled"
    QString Frequency; // "Once", "Daily", "WeekDays" or "Weekly"
    QString Event;     // "Shutdown", "Logoff", "Reboot", "PowerOff", "Suspend", "Hibernate" or "Lock"

    friend bool operator==(const ScheduleEntry&, const ScheduleEntry&) = default;
};

// The value sets of the selectors, in the order they offer them.
namespace Values {
inline const QStringList Statuses{QStringLiteral("Enabled"), QStringLiteral("Disabled")};
inline const QStringList Frequencies{QStringLiteral("Once"), QStringLiteral("Daily"),
                                     QStringLiteral("WeekDays"), QStringLiteral("Weekly")};
inline const QStringList Events{QStringLiteral("Shutdown"), QStringLiteral("Logoff"),
                                QStringLiteral("Reboot"),   QStringLiteral("PowerOff"),
                                QStringLiteral("Suspend"),  QStringLiteral("Hibernate"),
                                QStringLiteral("Lock")};
inline const QStringList Meridiems{QStringLiteral("AM"), QStringLiteral("PM")};
// "01".."12" for hours (from 1), "00".."59" for minutes and seconds (from 0).
QStringList twoDigitNumbers(int from, int to);

// A stored value as the user reads it, in the user's language ("Enabled", "Weekly",
// "PowerOff"...); the store and the event log keep the stored value itself. A value no
// selector offers is shown as it is.
QString displayName(const QString& value);
} // namespace Values
