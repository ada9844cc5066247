#pragma once

#include "options.h"
#include "schedulelist.h"

#include <QString>
#include <optional>

// The most entries the store loads back; the main window refuses to add more.
inline constexpr int MaxScheduleEntries = 1000;

// The options as a load found them; an option with no usable stored value is unset, and
// its control keeps what it has.
struct StoredOptions {
    std::optional<int> EventSound;
    std::optional<int> AbortBtn;
    std::optional<int> Startup;
    std::optional<int> LogFile;
    std::optional<int> StartMin;
    std::optional<QString> CountTimer;
    std::optional<int> NoticeMinutes;
    // Why the settings file could not be read, naming the file and the system's reason;
    // empty when it was read or does not exist.
    QString error;

    // `base` with every option found here in its place.
    Options over(Options base) const;

    friend bool operator==(const StoredOptions&, const StoredOptions&) = default;
};

// Writes the schedule and the options to the settings file at path, replacing everything it
// held: one section per entry, "1" to "n", each with the keys SetTime, Status, Frequency,
// Event, Sound, AbortBtn, CountTimer, Startup, LogFile, StartMin, NoticeMinutes in this order;
// an empty schedule writes the options alone in a section "Options". The file is replaced in one
// step, so a crash or a full disk during a save leaves the old file or the new one.
// Returns "" on success, otherwise a message naming the file and the system's reason (the
// file is then as it was).
QString saveSchedule(const QString& path, const ScheduleList& list, const Options& options);

// Appends the stored entries to list (empty, as at start) and returns the stored options.
// Sections "1" to "1000" are read until the first without a status. Values are taken by
// their position in the section, not by key name, into eleven slots that keep their texts
// from section to section: slots 0 to 3 make the entry (record, status, frequency, event),
// slots 4 to 10 the options, each only when not empty; the last section loaded decides. A
// check box value that is no number or lies outside 0 to 2, or a notice outside 0 to a day,
// leaves that option as it was.
// When section "1" holds no status, the options are read by key from section "Options".
// A missing file loads nothing; a damaged one loads what can be read; one that cannot be
// read loads nothing and sets `error`.
StoredOptions loadSchedule(const QString& path, ScheduleList& list);

// Why the settings file at path cannot be written now, naming the file and the system's
// reason; "" when it can be, or when its folder does not exist yet (a save creates it).
QString scheduleWriteProblem(const QString& path);
