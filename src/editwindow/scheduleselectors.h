#pragma once

#include "schedule/scheduleentry.h"

#include <QDate>

class QComboBox;

// The seven pick-lists with which an entry is composed, on the main window's Schedule tab and
// in the Edit Window.
struct ScheduleSelectors {
    QComboBox* hour;
    QComboBox* minute;
    QComboBox* second;
    QComboBox* meridiem;
    QComboBox* status;
    QComboBox* frequency;
    QComboBox* event;

    // Fills each with its value set and shows the item at `shownIndex` (-1: none).
    void fill(int shownIndex) const;
    // The entry the selectors show, as made on `today`.
    ScheduleEntry entry(const QDate& today) const;
};
