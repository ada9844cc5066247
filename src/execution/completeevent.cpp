#include "completeevent.h"

#include "desktop/clock.h"
#include "desktop/paths.h"
#include "desktop/programend.h"
#include "eventlog.h"
#include "schedule/numbertext.h"
#include "schedule/schedulelist.h"
#include "shutdown.h"

#include <optional>

namespace {

std::optional<int> powerFlags(const QString& eventKind)
{
    if (eventKind == QLatin1String("Shutdown"))
        return PowerFlags::Shutdown;
    if (eventKind == QLatin1String("Logoff"))
        return PowerFlags::Logoff;
    if (eventKind == QLatin1String("Reboot"))
        return PowerFlags::Reboot;
    if (eventKind == QLatin1String("PowerOff"))
        return PowerFlags::PowerOff;
    if (eventKind == QLatin1String("Suspend"))
        return PowerFlags::Suspend;
    if (eventKind == QLatin1String("Hibernate"))
        return PowerFlags::Hibernate;
    if (eventKind == QLatin1String("Lock"))
        return PowerFlags::Lock;
    return std::nullopt;
}

// After these the computer wakes up, or the screen is unlocked, with this program still running.
bool programGoesOnAfter(const QString& eventKind)
{
    return eventKind == QLatin1String("Suspend") || eventKind == QLatin1String("Hibernate") ||
           eventKind == QLatin1String("Lock");
}

// Saves the whole schedule; a save that fails leaves its reason in the log (when logging is
// on), as the only trace a user finds after the power action.
void saveAndLogFailure(CompletionHost& host, bool logging)
{
    const QString error = host.saveQuietly();
    if (!error.isEmpty() && logging)
        appendToEventLog(Paths::logFile(),
                         eventLogLine(QStringLiteral("Schedule not saved (%1)").arg(error), Clock::now()));
}

} // namespace

Completion CompleteEvent(const DueEvent& due, CompletionHost& host, PowerActions& power)
{
    const bool logging = host.logEnabled();
    if (logging)
        appendToEventLog(Paths::logFile(), eventLogLine(due.EventKind, Clock::now()));

    ScheduleList& schedule = host.entries();
    struct Removed {
        int position;
        ScheduleEntry entry;
        quint64 id;
    };
    std::optional<Removed> removed;
    if (due.Frequency == QLatin1String("Once")) {
        const auto position = parseInt16(due.Position);
        if (position && *position >= 0 && *position < schedule.count()) {
            removed = Removed{*position, schedule.entry(*position), schedule.id(*position)};
            schedule.removeAt(*position);
        }
    }
    // Saved before the request, whatever the frequency: a log-off may end this process at
    // once, and the program ends after most requests.
    saveAndLogFailure(host, logging);
    QString refusal;
    if (Values::Frequencies.contains(due.Frequency)) {
        if (const auto flags = powerFlags(due.EventKind))
            refusal = power.RequestExitWindows(*flags);
    }
    if (refusal.isEmpty()) {
        if (!programGoesOnAfter(due.EventKind) && !power.needsProgramToGoOn())
            endProgram();
        return {};
    }
    if (logging)
        appendToEventLog(Paths::logFile(),
                         eventNoteLogLine(due.EventKind, QStringLiteral("refused"), Clock::now(), refusal));
    if (removed) {
        schedule.insert(removed->position, removed->entry, removed->id);
        saveAndLogFailure(host, logging);
    }
    return {false, refusal};
}
