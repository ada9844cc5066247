// Saving and loading a full schedule of 1000 entries, as at exit and at start.

#include "schedule/inistore.h"
#include "schedule/schedulelist.h"
#include "schedule/schedulestore.h"
#include "schedule/timetext.h"

#include <QDate>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void fillFullSchedule(ScheduleList& list)
{
    for (int i = 0; i < MaxScheduleEntries; ++i) {
        const QDate date = QDate(2026, 1, 1).addDays(i);
        list.append(ScheduleEntry{makeRecordText(date, formatTimeText(i * 79 % SecondsPerDay)),
                                  Values::Statuses.at(i % 2), Values::Frequencies.at(i % 4),
                                  Values::Events.at(i % 4)});
    }
}

// Each save replaces a stored schedule of the same size, as every save but the first does.
void BM_SaveSchedule(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Lullwick/Lullwick.ini");
    ScheduleList list;
    fillFullSchedule(list);
    const Options options;
    if (!saveSchedule(path, list, options).isEmpty())
        state.SkipWithError("save failed");
    for (auto _ : state) {
        const QString error = saveSchedule(path, list, options);
        benchmark::DoNotOptimize(error);
    }
}
BENCHMARK(BM_SaveSchedule)->Unit(benchmark::kMillisecond);

void BM_LoadSchedule(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Lullwick/Lullwick.ini");
    {
        ScheduleList list;
        fillFullSchedule(list);
        if (!saveSchedule(path, list, Options{}).isEmpty())
            state.SkipWithError("save failed");
    }
    for (auto _ : state) {
        ScheduleList list;
        const StoredOptions options = loadSchedule(path, list);
        benchmark::DoNotOptimize(options);
        if (list.count() != MaxScheduleEntries)
            state.SkipWithError("load lost entries");
    }
}
BENCHMARK(BM_LoadSchedule)->Unit(benchmark::kMillisecond);

// A settings file of 1000 entries, as saved and read back.
IniStore fullStore()
{
    ScheduleList list;
    fillFullSchedule(list);
    QTemporaryDir dir;
    const QString path = dir.filePath("Lullwick.ini");
    saveSchedule(path, list, Options{});
    IniStore store;
    store.load(path);
    return store;
}

// The parts of a save and a load that do not touch the disk.
void BM_ParseSettingsFile(benchmark::State& state)
{
    const IniStore store = fullStore();
    const QByteArray text = store.toUtf8();
    for (auto _ : state) {
        IniStore parsed;
        parsed.parse(text);
        benchmark::DoNotOptimize(parsed);
    }
}
BENCHMARK(BM_ParseSettingsFile)->Unit(benchmark::kMillisecond);

void BM_WriteSettingsText(benchmark::State& state)
{
    const IniStore store = fullStore();
    for (auto _ : state) {
        const QByteArray text = store.toUtf8();
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_WriteSettingsText)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
