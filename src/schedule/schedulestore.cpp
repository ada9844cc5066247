#include "schedulestore.h"

#include "inistore.h"
#include "numbertext.h"
#include "schedulelist.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <array>

namespace {

const QString StatusKey = QStringLiteral("Status");
// Where the options are kept while the schedule is empty.
const QString OptionsSection = QStringLiteral("Options");
// The options' keys, in the order they are written after an entry's four keys.
const std::array<QString, 6> OptionKeys{QStringLiteral("Sound"),      QStringLiteral("AbortBtn"),
                                        QStringLiteral("CountTimer"), QStringLiteral("Startup"),
                                        QStringLiteral("LogFile"),    QStringLiteral("StartMin")};

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
    if (value && *value >= 0 && *value <= Options::MaxCheckValue)
        option = *value;
}

// Sets each option whose slot holds a usable text.
void takeOptions(StoredOptions& options, const std::array<QString, SlotCount>& texts)
{
    takeCheckBox(options.EventSound, texts[SoundSlot]);
    takeCheckBox(options.AbortBtn, texts[AbortBtnSlot]);
    if (!texts[CountTimerSlot].isEmpty())
        options.CountTimer = texts[CountTimerSlot];
    takeCheckBox(options.Startup, texts[StartupSlot]);
    takeCheckBox(options.LogFile, texts[LogFileSlot]);
    takeCheckBox(options.StartMin, texts[StartMinSlot]);
}

} // namespace

QString saveSchedule(const QString& path, const ScheduleList& list, const Options& options)
{
    // A new document, not an edit of the old one: nothing of what the file held before, read
    // or not, comes back at the next load.
    IniStore store;
    const std::array<QString, OptionKeys.size()> optionTexts{QString::number(options.EventSound),
                                                             QString::number(options.AbortBtn),
                                                             options.CountTimer,
                                                             QString::number(options.Startup),
                                                             QString::number(options.LogFile),
                                                             QString::number(options.StartMin)};
    const auto writeOptions = [&](const QString& section) {
        for (size_t k = 0; k < OptionKeys.size(); ++k)
            store.setValue(section, OptionKeys[k], optionTexts[k]);
    };
    for (int p = 0; p < list.count(); ++p) {
        const QString section = QString::number(p + 1);
        store.setValue(section, QStringLiteral("SetTime"), list.record(p));
        store.setValue(section, StatusKey, list.cell(p, ScheduleList::StatusColumn));
        store.setValue(section, QStringLiteral("Frequency"), list.cell(p, ScheduleList::FrequencyColumn));
        store.setValue(section, QStringLiteral("Event"), list.cell(p, ScheduleList::EventColumn));
        writeOptions(section);
    }
    if (list.count() == 0)
        writeOptions(OptionsSection);
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

        // A copy of its own: sharing the store's text would keep the pages of the whole parsed
        // file resident for as long as the program runs.
        const QString& setTime = texts[SetTimeSlot];
        list.append(ScheduleEntry{QString(setTime.constData(), setTime.size()), texts[StatusSlot],
                                  texts[FrequencySlot], texts[EventSlot]});

        takeOptions(options, texts);
    }
    // The options of an empty schedule, found by their keys.
    if (store.value(QStringLiteral("1"), StatusKey).isEmpty()) {
        for (size_t k = 0; k < OptionKeys.size(); ++k)
            texts[SoundSlot + k] = store.value(OptionsSection, OptionKeys[k]);
        takeOptions(options, texts);
    }
    return options;
}

Options StoredOptions::over(Options base) const
{
    base.EventSound = EventSound.value_or(base.EventSound);
    base.AbortBtn = AbortBtn.value_or(base.AbortBtn);
    base.CountTimer = CountTimer.value_or(base.CountTimer);
    base.Startup = Startup.value_or(base.Startup);
    base.LogFile = LogFile.value_or(base.LogFile);
    base.StartMin = StartMin.value_or(base.StartMin);
    return base;
}

QString scheduleWriteProblem(const QString& path)
{
    const QFileInfo file(path);
    if (!file.absoluteDir().exists())
        return {};
    // A save writes a new file beside the old one and renames it over it; QSaveFile also
    // refuses to replace a file it could not write in place.
    QString reason;
    QFile existing(path);
    QTemporaryFile probe(path + QStringLiteral(".XXXXXX"));
    if (file.isFile() && !existing.open(QIODevice::WriteOnly | QIODevice::Append))
        reason = existing.errorString();
    else if (!probe.open())
        reason = probe.errorString();
    if (reason.isEmpty())
        return {};
    return QCoreApplication::translate("ScheduleStore", "The settings file %1 cannot be written: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}
