#pragma once

#include "schedule/schedulelist.h"
#include "schedule/schedulestore.h"
#include "schedule/timetext.h"

#include <QDate>
#include <ostream>
#include <vector>

// The length of the schedules the kill test saves: long enough that a save takes a while,
// short enough for hundreds of kills.
inline constexpr int SavedEntries = 300;

// Schedules for store tests. Two variants of the same length differ in every field of every
// entry and in every option, so any mix of the two is told apart from either.

inline std::vector<ScheduleEntry> sampleEntries(int count, int variant)
{
    std::vector<ScheduleEntry> entries;
    entries.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const QDate date = QDate(2026, 1, 1).addDays(i + 400 * variant);
        const int seconds = (i * 37 + variant * 3601) % SecondsPerDay;
        entries.push_back(ScheduleEntry{
            makeRecordText(date, formatTimeText(seconds)), Values::Statuses.at((i + variant) % 2),
            Values::Frequencies.at((i + variant) % 4), Values::Events.at((i + 2 * variant) % 4)});
    }
    return entries;
}

inline OptionValues sampleOptions(int variant)
{
    if (variant % 2 == 0)
        return OptionValues{1, 0, QStringLiteral("30"), 0, 0, 1};
    return OptionValues{0, 1, QStringLiteral("7"), 1, 1, 0};
}

inline void fillList(ScheduleList& list, const std::vector<ScheduleEntry>& entries)
{
    list.clear();
    for (const ScheduleEntry& entry : entries)
        list.append(entry);
}

inline std::vector<ScheduleEntry> entriesOf(const ScheduleList& list)
{
    std::vector<ScheduleEntry> entries;
    for (int p = 0; p < list.count(); ++p)
        entries.push_back(list.entry(p));
    return entries;
}

// The options as a load of a store saved with these values gives them back.
inline StoredOptions storedFrom(const OptionValues& values)
{
    return StoredOptions{values.EventSound,
                         values.AbortBtn,
                         values.Startup,
                         values.LogFile,
                         values.StartMin,
                         values.CountTimer,
                         {}};
}

inline void PrintTo(const ScheduleEntry& entry, std::ostream* out)
{
    *out << '{' << entry.SetTime.toStdString() << " | " << entry.Status.toStdString() << " | "
         << entry.Frequency.toStdString() << " | " << entry.Event.toStdString() << '}';
}
