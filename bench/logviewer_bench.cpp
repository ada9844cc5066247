#include "logviewer/logviewer.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A log of about `megabytes` MB in the event log's own line form.
QString writeLog(const QTemporaryDir& dir, int megabytes)
{
    const QString path = dir.filePath(QStringLiteral("LogFile.log"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    const QByteArray line = "\"Shutdown at 10:15:00 PM on 3/7/2025\"\r\n";
    const qint64 target = qint64(megabytes) * 1024 * 1024;
    QByteArray block;
    while (block.size() < 64 * 1024)
        block += line;
    for (qint64 written = 0; written < target; written += block.size())
        file.write(block);
    return path;
}

// Opening the viewer on a large log: reading, splitting and filling the text box, then
// showing it.
void BM_ViewerLoadsLargeLog(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = writeLog(dir, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        LogViewer window(path);
        if (!window.load().isEmpty())
            state.SkipWithError("log not read");
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.logText().size());
    }
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}
BENCHMARK(BM_ViewerLoadsLargeLog)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
