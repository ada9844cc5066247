#include "logviewer/logviewer.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Writes `content` repeated until the file holds at least `bytes` bytes; returns its path.
QString writeLog(const QTemporaryDir& dir, const QByteArray& content, qint64 bytes)
{
    const QString path = dir.filePath(QStringLiteral("LogFile.log"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    QByteArray block;
    while (block.size() < qMin<qint64>(bytes, 64 * 1024))
        block += content;
    for (qint64 written = 0; written < bytes; written += block.size())
        file.write(block);
    return path;
}

// Opening the viewer on a log of range(0) KB of `content` repeated: reading, splitting and filling
// the text box, then showing it. No log within the 4 MB the viewer reads may hold it (and the
// scheduler with it) for long.
void BM_ViewerShows(benchmark::State& state, const QByteArray& content)
{
    QTemporaryDir dir;
    const QString path = writeLog(dir, content, state.range(0) * 1024);
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
// Events in the log's own line form; 4 MB fills what the viewer reads.
BENCHMARK_CAPTURE(BM_ViewerShows, events, QByteArray("\"Shutdown at 10:15:00 PM on 3/7/2025\"\r\n"))
    ->Arg(1024)
    ->Arg(4096)
    ->Arg(10240)
    ->Unit(benchmark::kMillisecond);
// One line without a line end and without a place to break it.
BENCHMARK_CAPTURE(BM_ViewerShows, one_line, QByteArray(1024, 'x'))
    ->Arg(200)
    ->Arg(1024)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ViewerShows, one_line_of_NULs, QByteArray(1024, '\0'))
    ->Arg(1024)
    ->Unit(benchmark::kMillisecond);
// As many lines as 4 MB can hold; and half as many, each one read as Latin-1.
BENCHMARK_CAPTURE(BM_ViewerShows, empty_lines, QByteArray("\n"))->Arg(4096)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ViewerShows, latin1_lines, QByteArray("\xff\n"))
    ->Arg(4096)
    ->Unit(benchmark::kMillisecond);

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
