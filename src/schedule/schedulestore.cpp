#include "schedulestore.h"

#include "inistore.h"
#include "numbertext.h"
#include "schedulelist.h"

#include <algorithm>
#include <array>

namespace {

const QString StatusKey = QStringLiteral("Status");

// The stored keys in the order they are written; loading reads the values by this position.
// A section's eleventh value fills a slot of its own that nothing reads.
enum Slot {
    SetTimeSlot,
    StatusSlot,
    FrequencySlot,
    EventSlot,
    SoundSlot,
    AbortBtnSlot,
    CountTimerSlot,
    StartupSlot,
    LogFileSlot,
    StartMinSlot,
    SlotCount = 11
};

// A stored check box value counts only when it reads as a number from 0 to 2.
void takeCheckBox(std::optional<int>& option, const QString& stored)
{
    if (stored.isEmpty())
        return;
    const auto value = parseInt16(stored);
    if (value && *value >= 0 && *value <= 2)
        option = *value;
}

} // namespace

QString saveSchedule(const QString& path, const ScheduleList& list, const OptionValues& options)
{
    IniStore store;
    store.load(path);
    bool changed = false;
    if (!store.value(QStringLiteral("1"), StatusKey).isEmpty()) {
        store.clear();
        changed = true;
    }
    const int n = list.count();
    if (n == 0 && !changed)
        return {};

    const QString sound = QString::number(options.EventSound);
    const QString abortBtn = QString::number(options.AbortBtn);
    const QString startup = QString::number(options.Startup);
    const QString logFile = QString::number(options.LogFile);
    const QString startMin = QString::number(options.StartMin);
    for (int i = 1; i <= n; ++i) {
        const QString section = QString::number(i);
        const int p = i - 1;
        store.setValue(section, QStringLiteral("SetTime"), list.record(p));
        store.setValue(section, StatusKey, list.cell(p, ScheduleList::StatusColumn));
        store.setValue(section, QStringLiteral("Frequency"), list.cell(p, ScheduleList::FrequencyColumn));
        store.setValue(section, QStringLiteral("Event"), list.cell(p, ScheduleList::EventColumn));
        store.setValue(section, QStringLiteral("Sound"), sound);
        store.setValue(section, QStringLiteral("AbortBtn"), abortBtn);
        store.setValue(section, QStringLiteral("CountTimer"), options.CountTimer);
        store.setValue(section, QStringLiteral("Startup"), startup);
        store.setValue(section, QStringLiteral("LogFile"), logFile);
        store.setValue(section, QStringLiteral("StartMin"), startMin);
    }
    return store.save(path);
}

StoredOptions loadSchedule(const QString& path, ScheduleList& list)
{
    IniStore store;
    StoredOptions options;
    options.error = store.load(path);
    std::array<QString, SlotCount> texts;
    for (int i = 1; i <= MaxScheduleEntries; ++i) {
        const QString section = QString::number(i);
        if (store.value(section, StatusKey).isEmpty())
            break;
        const QList<IniStore::Pair> pairs = store.pairs(section);
        const qsizetype filled = std::min<qsizetype>(pairs.size(), SlotCount);
        for (qsizetype k = 0; k < filled; ++k)
            texts[static_cast<size_t>(k)] = pairs[k].value;

        list.append(
            ScheduleEntry{texts[SetTimeSlot], texts[StatusSlot], texts[FrequencySlot], texts[EventSlot]});

        takeCheckBox(options.EventSound, texts[SoundSlot]);
        takeCheckBox(options.AbortBtn, texts[AbortBtnSlot]);
        if (!texts[CountTimerSlot].isEmpty())
            options.CountTimer = texts[CountTimerSlot];
        takeCheckBox(options.Startup, texts[StartupSlot]);
        takeCheckBox(options.LogFile, texts[LogFileSlot]);
        takeCheckBox(options.StartMin, texts[StartMinSlot]);
    }
    return options;
}
