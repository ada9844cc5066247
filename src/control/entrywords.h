#pragma once

#include "schedule/scheduleentry.h"

#include <QCoreApplication>
#include <QDate>

// An entry written as words, as the command line and the D-Bus interface take it:
// "TIME [FREQUENCY [EVENT [WEEKDAY]]]", e.g. "23:45 Daily PowerOff" or "07:30:00 PM Weekly Reboot
// Friday". The time is "hh:mm:ss AM" or a 24-hour "HH:MM[:SS]"; names are taken in any letter
// case, days of the week in English, whole or by their first three letters. What is left out
// is as the selectors first show it: "Once", "Shutdown", and for "Weekly" today's day.
class EntryWords {
    Q_DECLARE_TR_FUNCTIONS(EntryWords)

public:
    // `events`: the events accepted, in their own spelling.
    EntryWords(const QString& words, const QDate& today, const QStringList& events);

    bool isValid() const { return m_error.isEmpty(); }
    // What was wrong, naming the word, or "".
    QString error() const { return m_error; }
    ScheduleEntry entry() const { return m_entry; }

    // The value of `values` that `word` names in any letter case, or "".
    static QString valueNamed(const QString& word, const QStringList& values);
    // "Unknown event "Sleep": one of Shutdown, Logoff, ...".
    static QString unknownEvent(const QString& word, const QStringList& events);

private:
    ScheduleEntry m_entry;
    QString m_error;
};
