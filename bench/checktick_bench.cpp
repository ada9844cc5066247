#include "schedule/checkplanner.h"
#include "schedule/schedulelist.h"
#include "schedule/timetext.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

// One plan of the next wake-up, as made after each wake and each change of the schedule: the
// next second in which an entry can be due, and the next event for the tray.
static void BM_Plan(benchmark::State& state)
{
    ScheduleList schedule;
    const int entries = static_cast<int>(state.range(0));
    for (int i = 0; i < entries; ++i)
        schedule.append({makeRecordText(QDate(2026, 12, 1), formatTimeText((i * 7) % 86400)),
                         QStringLiteral("Enabled"), QStringLiteral("WeekDays"), QStringLiteral("Shutdown")});
    CheckPlanner planner(schedule);
    for (auto _ : state)
        planner.start();
    state.SetLabel(std::to_string(entries) + " entries");
}
BENCHMARK(BM_Plan)->Arg(1000)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
