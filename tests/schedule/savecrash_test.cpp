#include "sampleschedules.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <atomic>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

// Kills a child that saves two schedules of 300 entries in turn, 200 times at random moments: the
// settings file must then hold one of the two completely, and while saves go on never be missing.
TEST(SaveCrash, KilledSaveLeavesTheOldOrTheNewSchedule)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config/Lullwick/Lullwick.ini"));
    ScheduleList lists[2];
    for (int v : {0, 1})
        fillList(lists[v], sampleEntries(300, v));
    ASSERT_EQ(saveSchedule(path, lists[0], sampleOptions(0)), "");
    auto* state = static_cast<std::atomic<int>*>( // shared with the child: 1 while it saves
        ::mmap(nullptr, sizeof(std::atomic<int>), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    int found[2] = {0, 0}, insideSave = 0;
    for (int kill = 0; kill < 200; ++kill) {
        state->store(0);
        const pid_t child = ::fork();
        for (int v = kill % 2; child == 0; v = 1 - v) { // the child saves until it is killed
            state->store(1);
            if (!saveSchedule(path, lists[v], sampleOptions(v)).isEmpty())
                ::_exit(1);
            state->store(2);
        }
        ASSERT_GT(child, 0);
        bool missing = false;
        for (int checks = QRandomGenerator::global()->bounded(300); checks > 0 && !missing;
             --checks, ::usleep(100))
            missing = !QFileInfo::exists(path);
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_FALSE(missing) << "the settings file went missing at kill " << kill;
        ASSERT_TRUE(WIFSIGNALED(status)) << "a save failed";
        insideSave += state->load() == 1;
        ScheduleList list;
        const StoredOptions options = loadSchedule(path, list);
        const auto holds = [&](int v) {
            return entriesOf(list) == entriesOf(lists[v]) && options == storedFrom(sampleOptions(v));
        };
        ASSERT_TRUE(holds(0) || holds(1)) << "kill " << kill << " left neither schedule whole";
        ++found[holds(1)];
    }
    EXPECT_TRUE(found[0] > 0 && found[1] > 0);
    EXPECT_GT(insideSave, 100); // saving takes nearly all the child's time, else this tests nothing
    // Unfinished copies have no name; one killed between naming it and the rename may stay.
    for (const QString& name : QFileInfo(path).dir().entryList(QDir::Files | QDir::Hidden))
        EXPECT_TRUE(name == "Lullwick.ini" || (name.startsWith("Lullwick.ini.") && name.size() == 19))
            << qPrintable(name);
}
