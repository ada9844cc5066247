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
    return std::nullopt;
}

} // namespace

Completion CompleteEvent(const DueEvent& due, CompletionHost& host, PowerActions& power)
{
    if (host.logEnabled())
        appendToEventLog(Paths::logFile(), eventLogLine(due.EventKind, Clock::now()));

    ScheduleList& schedule = host.schedule();
    std::optional<std::pair<int, ScheduleEntry>> removed;
    QString refusal;
    if (Values::Frequencies.contains(due.Frequency)) {
        if (due.Frequency == QLatin1String("Once")) {
            const auto position = parseInt16(due.Position);
            if (position && *position >= 0 && *position < schedule.count()) {
                removed.emplace(*position, schedule.entry(*position));
                schedule.removeAt(*position);
                host.saveQuietly(); // saved before the request: a log-off may end this process at once
            }
        }
        if (const auto flags = powerFlags(due.EventKind))
            refusal = power.RequestExitWindows(*flags);
    }
    if (refusal.isEmpty()) {
        endProgram();
        return {};
    }
    if (host.logEnabled())
        appendToEventLog(Paths::logFile(), refusalLogLine(due.EventKind, Clock::now(), refusal));
    if (removed) {
        schedule.insert(removed->first, removed->second);
        host.saveQuietly();
    }
    return {false, refusal};
}
