#pragma once

#include "schedule/schedulecheck.h"

#include <QString>

class PowerActions;
class ScheduleList;

// What completing an event needs from the main window.
class CompletionHost {
public:
    virtual ~CompletionHost() = default;

    // The "Log File" option.
    virtual bool logEnabled() const = 0;
    virtual ScheduleList& entries() = 0;
    // Saves the schedule and options without asking the user anything; returns the error.
    virtual QString saveQuietly() = 0;
};

struct Completion {
    // True when the system took the request: the program has ended, unless it goes on after
    // this kind of event (see CompleteEvent). False when the system refused the power action
    // and the program goes back to waiting.
    bool accepted = true;
    // The system's reason for refusing.
    QString refusal;
};

// The last step of a due event: logs it (when logging is on; a log that cannot be written
// does not stop the event), removes a "Once" entry, saves the whole schedule (a failed save
// is logged with its reason), asks the system for the power action of its kind and ends the
// program, except after a suspend, a hibernation or a lock, after which the program goes on,
// and while a log-off needs it (PowerActions::needsProgramToGoOn). When the system refuses,
// a second log line says so with the system's reason, and a removed "Once" entry is put back
// where it was and saved again, so a refused action is never taken as done.
Completion CompleteEvent(const DueEvent& due, CompletionHost& host, PowerActions& power);
