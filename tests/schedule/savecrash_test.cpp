#include "sampleschedules.h"

#include <QDir>
#include <QTemporaryDir>
#include <atomic>
#include <csignal>
#include <gtest/gtest.h>
#include <random>
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
    fillList(lists[0], sampleEntries(300, 0));
    fillList(lists[1], sampleEntries(300, 1));
    ASSERT_EQ(saveSchedule(path, lists[0], sampleOptions(0)), "");
    // The child's state, shared: 0 before its first save, 1 while it saves, 2 between saves.
    auto* state = static_cast<std::atomic<int>*>(
        ::mmap(nullptr, sizeof(std::atomic<int>), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    std::mt19937 random(std::random_device{}());
    int found[2] = {0, 0};
    int insideSave = 0;
    for (int kill = 0; kill < 200; ++kill) {
        state->store(0);
        const pid_t child = ::fork();
        for (int v = kill % 2; child == 0; v = 1 - v) {
            state->store(1);
            if (!saveSchedule(path, lists[v], sampleOptions(v)).isEmpty())
                ::_exit(1);
            state->store(2);
        }
        ASSERT_GT(child, 0);
        while (state->load() == 0)
            ::usleep(10);
        for (int checks = std::uniform_int_distribution(0, 300)(random); checks > 0; --checks) {
            ASSERT_TRUE(QFileInfo::exists(path)) << "the settings file went missing at kill " << kill;
            ::usleep(100);
        }
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
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
