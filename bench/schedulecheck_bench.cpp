#include "schedule/schedulecheck.h"
#include "schedule/schedulelist.h"
#include "schedule/timetext.h"

#include <benchmark/benchmark.h>

// One tick of the schedule check: the due test of the previous find, then a full scan.
// The worst case is a list where nothing falls due, so every entry is looked at.
static void BM_ScheduleTick(benchmark::State& state)
{
    ScheduleList list;
    const int entries = static_cast<int>(state.range(0));
    for (int i = 0; i < entries; ++i) {
        const int second = (i * 7919) % (SecondsPerDay - 1) + 1; // never midnight
        list.append({makeRecordText(QDate(2026, 12, 1), formatTimeText(second)),
                     i % 3 ? QStringLiteral("Enabled") : QStringLiteral("Disabled"), QStringLiteral("Daily"),
                     QStringLiteral("Shutdown")});
    }
    const QDateTime midnight(QDate(2026, 12, 7), QTime(0, 0, 0));
    DueEvent due;
    for (auto _ : state) {
        if (formatTimeText(midnight.time().msecsSinceStartOfDay() / 1000) == due.DueTime)
            benchmark::DoNotOptimize(runsToday(due, list, midnight.date()));
        due = FindDueEntry(list, midnight);
        benchmark::DoNotOptimize(due);
    }
    state.SetLabel(std::to_string(entries) + " entries");
}
BENCHMARK(BM_ScheduleTick)->Arg(1000)->Arg(32767)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
