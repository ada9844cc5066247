#include "desktop/desktopnotification.h"
#include "desktop/startup.h"
#include "desktop/tray.h"
#include "execution/shutdown.h"
#include "execution/sound.h"
#include "mainwindow/mainwindow.h"
#include "schedule/checkplanner.h"
#include "schedule/timetext.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

struct NoTray final : Tray {
    bool isAvailable() const override { return true; }
    void AddTrayIcon(const QIcon&) override {}
    void RemoveTrayIcon() override {}
    void setToolTip(const QString&) override {}
};
struct NoStartup final : StartupRegistration {
    QString SetStartupEntry() override { return {}; }
    QString ClearStartupEntry() override { return {}; }
};
struct NoPower final : PowerActions {
    QString RequestExitWindows(int) override { return QStringLiteral("not here"); }
};
struct NoSound final : WarningSound {
    void PlayWarningSound(bool) override {}
};

} // namespace

// One tick of the schedule check as the running program makes it: the real clock, the due
// test and the scan, over a schedule where nothing falls due.
static void BM_CheckTick(benchmark::State& state)
{
    NoTray tray;
    NoStartup startup;
    NoPower power;
    NoSound sound;
    const auto notification = createDesktopNotification();
    MainWindow form(MainWindowServices{tray, startup, power, sound, *notification});
    const int entries = static_cast<int>(state.range(0));
    for (int i = 0; i < entries; ++i)
        form.schedule().append({makeRecordText(QDate(2026, 12, 1), formatTimeText(i % 2 ? 0 : 1)),
                                QStringLiteral("Enabled"), QStringLiteral("Daily"),
                                QStringLiteral("Shutdown")});
    for (auto _ : state)
        form.checkTick();
    state.SetLabel(std::to_string(entries) + " entries");
}
BENCHMARK(BM_CheckTick)->Arg(1000)->Unit(benchmark::kMicrosecond);

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
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
