#pragma once

#include <QDateTime>
#include <QString>

// The event log: one line per carried-out event, the kind, " at ", the time and " on ",
// the date, in double quotes, ending in CR LF ("Reboot at 10:15:00 PM on 3/7/2025" with
// United States settings). Time and date follow the user's locale, with seconds, a
// four-digit year and no time zone; the C locale writes them as United States settings do.
QString eventLogLine(const QString& eventKind, const QDateTime& when);

// A line in the same form for what became of an event other than being carried out, such as
// "Reboot refused at 10:15:01 PM on 3/7/2025: <the system's reason>" or "Reboot aborted at
// 10:15:01 PM on 3/7/2025"; the reason follows a colon when there is one.
QString eventNoteLogLine(const QString& eventKind, const QString& what, const QDateTime& when,
                         const QString& reason = {});

// Appends a line (with its CR LF, as eventLogLine() makes it) to the log file, creating the
// file and its folder when missing; the file is never truncated. Only a regular file is
// written, and opening never waits (a FIFO, a device). Returns an empty string, or why the
// line could not be written.
QString appendToEventLog(const QString& path, const QString& line);
