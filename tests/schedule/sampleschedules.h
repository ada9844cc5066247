#pragma once

#include "schedule/schedulestore.h"
#include "schedule/timetext.h"

#include <ostream>

// Two variants of a schedule differ in every field of every entry and in every option.
inline std::vector<ScheduleEntry> sampleEntries(int count, int variant)
{
    std::vector<ScheduleEntry> entries;
    for (int i = 0; i < count; ++i)
        entries.push_back({makeRecordText(QDate(2026, 1, 1).addDays(i + 400 * variant),
                                          formatTimeText((i * 37 + variant * 3601) % SecondsPerDay)),
                           Values::Statuses.at((i + variant) % 2), Values::Frequencies.at((i + variant) % 4),
                           Values::Events.at((i + 2 * variant) % 4)});
    return entries;
}

inline Options sampleOptions(int variant)
{
    return variant % 2 == 0 ? Options{1, 0, "30", 0, 0, 1, 0} : Options{0, 1, "7", 1, 1, 0, 15};
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

// The options a load gives back from a store saved with these values.
inline StoredOptions storedFrom(const Options& v)
{
    return {v.EventSound, v.AbortBtn, v.Startup, v.LogFile, v.StartMin, v.CountTimer, v.NoticeMinutes, {}};
}

inline void PrintTo(const ScheduleEntry& e, std::ostream* out)
{
    *out << qPrintable(QStringList({e.SetTime, e.Status, e.Frequency, e.Event}).join(u'|'));
}
