#include "sampleschedules.h"
#include "testseed.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <gtest/gtest.h>
#include <random>
#include <thread>

namespace {

constexpr int Kills = 200;
constexpr int MaxDelayUs = 30'000;

// Kills a process that saves two large schedules in turn, at random moments, many times
// over. Whenever it dies, the settings file must hold one of the two schedules completely;
// and from the first complete save on, the file must never be missing, not even for a moment
// while a save is under way.
TEST(SaveCrash, KilledSaveLeavesTheOldOrTheNewSchedule)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("config/Lullwick/Lullwick.ini");
    const std::vector<ScheduleEntry> schedules[2] = {sampleEntries(SavedEntries, 0),
                                                     sampleEntries(SavedEntries, 1)};
    const StoredOptions options[2] = {storedFrom(sampleOptions(0)), storedFrom(sampleOptions(1))};

    {
        ScheduleList first;
        fillList(first, schedules[0]);
        ASSERT_EQ(saveSchedule(path, first, sampleOptions(0)), "");
    }
    ASSERT_TRUE(QFileInfo::exists(path));

    std::mt19937 random(testSeed());
    std::uniform_int_distribution<int> delayUs(0, MaxDelayUs);
    int found[2] = {0, 0};
    int insideSave = 0;
    int existenceChecks = 0;
    for (int kill = 0; kill < Kills; ++kill) {
        SCOPED_TRACE(kill);
        QProcess child;
        child.setProgram(QStringLiteral(SAVECHILD_PATH));
        child.setArguments({path, QString::number(kill % 2)});
        child.start();
        ASSERT_TRUE(child.waitForStarted(10'000));
        // From here on the child saves over and over.
        ASSERT_TRUE(child.waitForReadyRead(10'000)) << child.readAllStandardError().toStdString();

        // Watch the file while the child saves, then kill it.
        const qint64 deadlineNs = qint64(delayUs(random)) * 1000;
        QElapsedTimer clock;
        clock.start();
        do {
            ASSERT_TRUE(QFileInfo::exists(path)) << "the settings file went missing";
            ++existenceChecks;
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        } while (clock.nsecsElapsed() < deadlineNs);
        child.kill();
        ASSERT_TRUE(child.waitForFinished(10'000));
        ASSERT_EQ(child.exitStatus(), QProcess::CrashExit) << child.readAllStandardError().toStdString();
        insideSave += child.readAllStandardOutput().endsWith('.');

        ASSERT_TRUE(QFileInfo::exists(path));
        ScheduleList list;
        const StoredOptions loaded = loadSchedule(path, list);
        const std::vector<ScheduleEntry> entries = entriesOf(list);
        int which = -1;
        for (int v : {0, 1}) {
            if (entries == schedules[v] && loaded == options[v])
                which = v;
        }
        ASSERT_NE(which, -1) << "the file holds neither schedule completely: " << entries.size()
                             << " entries";
        ++found[which];
    }
    std::cout << Kills << " kills, " << insideSave << " of them while a save was under way; schedule A found "
              << found[0] << " times, B " << found[1] << " times; " << existenceChecks
              << " checks that the file exists" << std::endl;
    EXPECT_GT(found[0], 0);
    EXPECT_GT(found[1], 0);
    // Saving takes nearly all of the child's time, so most kills must land inside a save;
    // otherwise this test would not test anything.
    EXPECT_GT(insideSave, Kills / 2);
    // A kill in the instant between naming the finished temporary file and renaming it over
    // the settings file can leave that copy behind; nothing else may appear.
    const QString name = QFileInfo(path).fileName();
    for (const QString& entry :
         QFileInfo(path).dir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        EXPECT_TRUE(entry == name ||
                    (entry.startsWith(name + QLatin1Char('.')) && entry.size() == name.size() + 7))
            << entry.toStdString();
}

} // namespace
