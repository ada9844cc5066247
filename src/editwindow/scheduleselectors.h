#pragma once

#include "schedule/scheduleentry.h"

#include <QDate>

class QComboBox;

// The pick-lists with which an entry is composed, on the main window's Schedule tab and in
// the Edit Window: its time, status, frequency and event, and the day of the week on which a
// "Weekly" entry runs (available only while "Weekly" is chosen).
struct ScheduleSelectors {
    QComboBox* hour;
    QComboBox* minute;
    QComboBox* second;
    QComboBox* meridiem;
    QComboBox* status;
    QComboBox* frequency;
    QComboBox* weekday;
    QComboBox* event;

    // Fills each with its value set (the event with `events`, those the system can carry out)
    // and shows the item at `shownIndex` (-1: none); the day of the week shows the day of
    // `date`. Call once per set of selectors. Items show their values in the user's language.
    void fill(int shownIndex, const QDate& date, const QStringList& events) const;
    // Shows the day of the week of `date`.
    void showWeekdayOf(const QDate& date) const;
    // The entry the selectors show, as made on `today`: its record's date is today, or for
    // a "Weekly" entry the first date from today on that falls on the chosen day.
    ScheduleEntry entry(const QDate& today) const;

    // The stored value a selector shows ("" for none), and showing one (none when it offers
    // no such value).
    static QString value(const QComboBox* combo);
    static void show(QComboBox* combo, const QString& value);
};
