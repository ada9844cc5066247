#include "desktop/paths.h"
#include "sampleschedules.h"
#include "schedule/inistore.h"
#include "schedule/schedulestore.h"
#include "support/tempenvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(content), content.size());
}

// One stored section with the ten keys in their written order.
QByteArray section(int number, const QString& record, const QByteArray& status = "Enabled",
                   const QByteArray& options = "0\n1\n5\n1\n1\n0")
{
    const QList<QByteArray> optionValues = options.split('\n');
    const char* keys[] = {"Sound", "AbortBtn", "CountTimer", "Startup", "LogFile", "StartMin"};
    QByteArray text = "[" + QByteArray::number(number) + "]\nSetTime=" + record.toUtf8() +
                      "\nStatus=" + status + "\nFrequency=Daily\nEvent=Shutdown\n";
    for (qsizetype i = 0; i < optionValues.size(); ++i)
        text += QByteArray(keys[i]) + "=" + optionValues[i] + "\n";
    return text + "\n";
}

class ScheduleStore : public ::testing::Test {
protected:
    TempEnvironment env;
    const QString path = Paths::settingsFile();
    ScheduleList list;

    StoredOptions load()
    {
        list.clear();
        return loadSchedule(path, list);
    }

    void save(const std::vector<ScheduleEntry>& entries, const OptionValues& options = {})
    {
        ScheduleList source;
        fillList(source, entries);
        ASSERT_EQ(saveSchedule(path, source, options), "");
    }
};

TEST_F(ScheduleStore, SchedulesAndOptionsRoundTrip)
{
    const auto entries = sampleEntries(25, 1);
    const OptionValues options{2, 0, QStringLiteral("120"), 0, 2, 1};
    save(entries, options);
    EXPECT_EQ(load(), storedFrom(options));
    EXPECT_EQ(entriesOf(list), entries);
    EXPECT_EQ(list.rowCount(), 25);
    EXPECT_EQ(list.cell(0, ScheduleList::TimeColumn), formatTimeText(3601));
}

TEST_F(ScheduleStore, WritesTenKeysPerEntryInOrder)
{
    save({{"3/7/2025 10:15:00 PM", "Disabled", "Weekly", "Reboot"},
          {"3/8/2025 01:00:00 AM", "Enabled", "Once", "Logoff"}},
         OptionValues{1, 0, QStringLiteral("15"), 0, 1, 1});
    EXPECT_EQ(readAll(path),
              QByteArray("[1]\nSetTime=3/7/2025 10:15:00 PM\nStatus=Disabled\nFrequency=Weekly\n"
                         "Event=Reboot\nSound=1\nAbortBtn=0\nCountTimer=15\nStartup=0\nLogFile=1\n"
                         "StartMin=1\n\n"
                         "[2]\nSetTime=3/8/2025 01:00:00 AM\nStatus=Enabled\nFrequency=Once\n"
                         "Event=Logoff\nSound=1\nAbortBtn=0\nCountTimer=15\nStartup=0\nLogFile=1\n"
                         "StartMin=1\n"));
}

TEST_F(ScheduleStore, EmptyScheduleKeepsTheOptionsInTheirOwnSection)
{
    save(sampleEntries(3, 0), sampleOptions(0));
    ScheduleList empty;
    ASSERT_EQ(saveSchedule(path, empty, OptionValues{1, 0, QStringLiteral("42"), 0, 2, 1}), "");
    EXPECT_EQ(
        readAll(path),
        QByteArray("[Options]\nSound=1\nAbortBtn=0\nCountTimer=42\nStartup=0\nLogFile=2\nStartMin=1\n"));
    EXPECT_EQ(load(), (StoredOptions{1, 0, 0, 2, 1, QStringLiteral("42"), {}}));
    EXPECT_EQ(list.count(), 0);
}

TEST_F(ScheduleStore, SaveReplacesEverythingTheStoreHeld)
{
    // Blanks around "=" make keys that are not "Status": nothing of this store loads, and a
    // save must not let any of it come back.
    const QByteArray unloadable = "[1]\nSetTime = 1/2/2026 01:00:00 AM\nStatus = Enabled\nFrequency = Daily\n"
                                  "Event = Reboot\n\n" +
                                  section(2, "1/3/2026 02:00:00 AM") + "[other]\nk=v\n";
    writeAll(path, unloadable);
    EXPECT_EQ(load(), StoredOptions{});
    ASSERT_EQ(list.count(), 0);
    save({{"3/7/2025 10:15:00 PM", "Enabled", "Once", "Logoff"}});
    EXPECT_EQ(load(), storedFrom(OptionValues{}));
    EXPECT_EQ(entriesOf(list),
              (std::vector<ScheduleEntry>{{"3/7/2025 10:15:00 PM", "Enabled", "Once", "Logoff"}}));
    IniStore store;
    ASSERT_EQ(store.load(path), QString());
    EXPECT_EQ(store.sections(), QStringList{"1"});
}

// Stored files as other versions, hands or damage leave them, and what loads from each: the
// entries ("record|status|frequency|event") and the options.
TEST_F(ScheduleStore, LoadsWhatEachStoredFileHolds)
{
    const QByteArray crLf = QByteArray(section(1, "1/2/2026 01:00:00 AM", "Enabled", "1\n0\n12\n0\n1\n1") +
                                       section(2, "1/3/2026 02:00:00 PM", "Disabled"))
                                .replace("\n", "\r\n");
    const QByteArray onlyFour = "[2]\nSetTime=b\nStatus=Disabled\nFrequency=Once\nEvent=Reboot\n\n";
    const StoredOptions defaults = storedFrom(OptionValues{});
    const struct {
        const char* what;
        QByteArray file; // empty: no file
        QStringList entries;
        StoredOptions options;
    } rows[] = {
        {"no file", {}, {}, {}},
        {"a section without status ends the schedule",
         section(1, "a") + "[2]\nSetTime=b\nFrequency=Daily\n\n" + section(3, "c"),
         {"a|Enabled|Daily|Shutdown"},
         defaults},
        {"so does an empty status",
         section(1, "a") + section(2, "b", "") + section(3, "c"),
         {"a|Enabled|Daily|Shutdown"},
         defaults},
        {"so does a missing section 1", section(2, "b"), {}, {}},
        {"a section without options keeps the earlier ones",
         section(1, "a", "Enabled", "1\n0\n42\n0\n2\n1") + onlyFour,
         {"a|Enabled|Daily|Shutdown", "b|Disabled|Once|Reboot"},
         StoredOptions{1, 0, 0, 2, 1, "42", {}}},
        {"alone it leaves every option unset",
         "[1]\nSetTime=b\nStatus=Disabled\nFrequency=Once\nEvent=Reboot\n",
         {"b|Disabled|Once|Reboot"},
         {}},
        {"the last section decides the options",
         section(1, "a", "Enabled", "1\n0\n10\n0\n0\n1") + section(2, "b", "Enabled", "0\n1\n20\n1\n1\n0"),
         {"a|Enabled|Daily|Shutdown", "b|Enabled|Daily|Shutdown"},
         StoredOptions{0, 1, 1, 1, 0, "20", {}}},
        {"values that are no check box value leave the option as it was",
         section(1, "a", "Enabled", "1\n1\n9\n1\n1\n1") +
             section(2, "b", "Enabled", "abc\n3\n\n-1\n99999\n1x"),
         {"a|Enabled|Daily|Shutdown", "b|Enabled|Daily|Shutdown"},
         StoredOptions{1, 1, 1, 1, 1, "9", {}}},
        {"numbers with blanks, signs and fractions rounded half to even",
         section(1, "a", "Enabled", " 2 \n+0\n 007 \n1.4\n0.5\n1.5"),
         {"a|Enabled|Daily|Shutdown"},
         StoredOptions{2, 0, 1, 0, 2, " 007 ", {}}},
        {"CR LF line ends",
         crLf,
         {"1/2/2026 01:00:00 AM|Enabled|Daily|Shutdown", "1/3/2026 02:00:00 PM|Disabled|Daily|Shutdown"},
         defaults},
        {"values are taken by position, only Status by name",
         "[1]\nEvent=a\nStatus=Enabled\nSetTime=Weekly\nx=Reboot\n"
         "a=1\nb=0\nc=33\nd=0\ne=2\nf=1\neleventh=0\ntwelfth=0\n\n[2]\nStatus=Disabled\nSetTime=b\n",
         {"a|Enabled|Weekly|Reboot", "Disabled|b|Weekly|Reboot"},
         StoredOptions{1, 0, 0, 2, 1, "33", {}}},
        {"an unreadable record keeps its place",
         section(1, "1/2/2026 01:00:00 AM") + section(2, "not a date"),
         {"1/2/2026 01:00:00 AM|Enabled|Daily|Shutdown", "not a date|Enabled|Daily|Shutdown"},
         defaults},
        {"[Options] beside an entry is not read",
         section(1, "a") + "[Options]\nSound=1\nStartup=0\n",
         {"a|Enabled|Daily|Shutdown"},
         defaults},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        QFile::remove(path);
        if (!row.file.isEmpty())
            writeAll(path, row.file);
        EXPECT_EQ(load(), row.options);
        QStringList loaded;
        for (const ScheduleEntry& e : entriesOf(list))
            loaded << QStringList{e.SetTime, e.Status, e.Frequency, e.Event}.join(u'|');
        EXPECT_EQ(loaded, row.entries);
        EXPECT_EQ(list.rowCount(), list.count());
    }
}

TEST_F(ScheduleStore, LoadsAtMostAThousandEntries)
{
    QByteArray text;
    for (int i = 1; i <= 1001; ++i)
        text += section(i, QStringLiteral("1/1/2026 %1").arg(formatTimeText(i)), "Enabled",
                        i == 1001 ? "1\n0\n77\n0\n0\n1" : "0\n1\n5\n1\n1\n0");
    writeAll(path, text);
    EXPECT_EQ(load(), (StoredOptions{0, 1, 1, 1, 0, QStringLiteral("5"), {}})); // section 1001 is not read
    ASSERT_EQ(list.count(), MaxScheduleEntries);
    EXPECT_EQ(list.rowCount(), MaxScheduleEntries);
    EXPECT_EQ(list.record(999), QStringLiteral("1/1/2026 %1").arg(formatTimeText(1000)));

    // The next save drops what was not loaded.
    ASSERT_EQ(saveSchedule(path, list, OptionValues{}), "");
    IniStore store;
    ASSERT_EQ(store.load(path), QString());
    EXPECT_EQ(store.sections().size(), MaxScheduleEntries);
    EXPECT_FALSE(store.sections().contains("1001"));
}

TEST_F(ScheduleStore, AwkwardTextsRoundTrip)
{
    const std::vector<ScheduleEntry> entries{
        {"back\\slash\\n", "Enabled", "a=b", "[x]"},
        {"line\nfeed", "carriage\rreturn", "\r\n", "=="},
        {QString::fromUtf8("3/7/2025 10:15:00 PM ünï"), QString::fromUtf8("Ä😀"), "[1]", "\\"},
    };
    const OptionValues options{0, 1, QStringLiteral("\\n\n[2]\r=x"), 1, 1, 0};
    save(entries, options);
    EXPECT_EQ(load(), storedFrom(options));
    EXPECT_EQ(entriesOf(list), entries);
    IniStore store;
    ASSERT_EQ(store.load(path), QString());
    EXPECT_EQ(store.sections(), QStringList({"1", "2", "3"}));
}

TEST_F(ScheduleStore, SaveFailureReportsAndKeepsTheOldFile)
{
    // Tests run as root, which folder permissions do not stop; a file size limit stops
    // everyone, as a full disk does. 50 entries fail while the new file is flushed at the
    // end, 1000 entries while it is written.
    save(sampleEntries(2, 0), sampleOptions(0));
    const QByteArray before = readAll(path);
    ASSERT_FALSE(before.isEmpty());
    ASSERT_LT(before.size(), 4096);

    for (const int count : {50, 1000}) {
        SCOPED_TRACE(count);
        rlimit saved{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 4096;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        ScheduleList big;
        fillList(big, sampleEntries(count, 1));
        const QString message = saveSchedule(path, big, sampleOptions(1));
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        EXPECT_TRUE(message.contains(QDir::toNativeSeparators(path))) << message.toStdString();
        EXPECT_TRUE(message.contains(qt_error_string(EFBIG))) << message.toStdString();
        EXPECT_EQ(readAll(path), before);
        EXPECT_EQ(load(), storedFrom(sampleOptions(0)));
        EXPECT_EQ(entriesOf(list), sampleEntries(2, 0));
        // Nothing of the new file is left behind.
        EXPECT_EQ(QFileInfo(path).dir().entryList(QDir::Files | QDir::Hidden),
                  QStringList({QFileInfo(path).fileName()}));
    }
}

TEST_F(ScheduleStore, SaveFailureWhereNoFolderCanBe)
{
    const QString configFolder = QFileInfo(QFileInfo(path).absolutePath()).absolutePath();
    writeAll(configFolder + "/Lullwick", "a file in the settings folder's place");
    ScheduleList one;
    fillList(one, sampleEntries(1, 0));
    const QString message = saveSchedule(path, one, OptionValues{});
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(path))) << message.toStdString();
    EXPECT_EQ(readAll(configFolder + "/Lullwick"), QByteArray("a file in the settings folder's place"));
    EXPECT_EQ(load(), StoredOptions{});
    EXPECT_EQ(list.count(), 0);
}

} // namespace
