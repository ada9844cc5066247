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
// The options' keys, in the order they are written after an entry's four keys; a later
// version's new option comes last, so that older stores load as before.
const std::array<QString, 7> OptionKeys{QStringLiteral("Sound"),        QStringLiteral("AbortBtn"),
                                        QStringLiteral("CountTimer"),   QStringLiteral("Startup"),
                                        QStringLiteral("LogFile"),      QStringLiteral("StartMin"),
                                        QStringLiteral("NoticeMinutes")};

// The stored keys in the order they are written; loading reads the values by this position.
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
    NoticeSlot,
    SlotCount
};

// A stored number counts only when it lies from 0 to `max`.
void takeNumber(std::optional<int>& option, const QString& stored, int max)
{
    if (stored.isEmpty())
        return;
    const auto value = parseInt16(stored);
    if (value && *value >= 0 && *value <= max)
        option = *value;
}

void takeCheckBox(std::optional<int>& option, const QString& stored)
{
    takeNumber(option, stored, Options::MaxCheckValue);
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
    takeNumber(options.NoticeMinutes, texts[NoticeSlot], Options::MaxNoticeMinutes);
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
                                                             QString::number(options.StartMin),
                                                             QString::number(options.NoticeMinutes)};
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
    base.NoticeMinutes = NoticeMinutes.value_or(base.NoticeMinutes);
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
