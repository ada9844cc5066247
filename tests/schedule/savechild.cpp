// Saves two schedules in turn to the file named by its first argument, until it is killed.
// The second argument, 0 or 1, picks the schedule saved first. When ready it prints "ready";
// then it prints "." as each save starts and "+" as it ends, so whoever kills it can tell
// whether a save was under way. A failed save exits with 1.

#include "sampleschedules.h"

#include <cstdio>
#include <cstdlib>

namespace {

bool save(const QString& path, const ScheduleList& list, int variant)
{
    const QString error = saveSchedule(path, list, sampleOptions(variant));
    if (!error.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(error));
    return error.isEmpty();
}

void say(const char* text)
{
    std::fputs(text, stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    int variant = std::atoi(argv[2]) == 0 ? 0 : 1;
    ScheduleList lists[2];
    fillList(lists[0], sampleEntries(SavedEntries, 0));
    fillList(lists[1], sampleEntries(SavedEntries, 1));
    say("ready\n");
    for (;; variant = 1 - variant) {
        say(".");
        if (!save(path, lists[variant], variant))
            return 1;
        say("+");
    }
}
