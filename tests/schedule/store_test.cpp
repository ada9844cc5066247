#include "sampleschedules.h"

#include <QDir>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

// One stored section, its ten keys in their written order; the six options separated by ",".
QByteArray section(int number, const QByteArray& record, const QByteArray& status = "Enabled",
                   const QByteArray& options = "0,1,5,1,1,0")
{
    QByteArray text = "[" + QByteArray::number(number) + "]\nSetTime=" + record + "\nStatus=" + status +
                      "\nFrequency=Daily\nEvent=Shutdown\n";
    const char* keys[] = {"Sound", "AbortBtn", "CountTimer", "Startup", "LogFile", "StartMin"};
    const QList<QByteArray> values = options.split(',');
    for (qsizetype i = 0; i < values.size(); ++i)
        text += keys[i] + ("=" + values[i]) + "\n";
    return text + "\n";
}

class Store : public ::testing::Test {
protected:
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Lullwick/Lullwick.ini"));
    ScheduleList list;

    QByteArray read()
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void write(const QByteArray& content)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }
    // The entries "record|status|frequency|event" separated by ";", then " / " and the options in
    // the order section() takes them, "-" when unset.
    QString load()
    {
        list.clear();
        const StoredOptions o = loadSchedule(path, list);
        QStringList entries;
        for (const ScheduleEntry& e : entriesOf(list))
            entries << QStringList{e.SetTime, e.Status, e.Frequency, e.Event}.join(u'|');
        const auto text = [](std::optional<int> value) -> QString {
            return value ? QString::number(*value) : "-";
        };
        return entries.join(u';') + " / " +
               QStringList{text(o.EventSound), text(o.AbortBtn), o.CountTimer.value_or("-"),
                           text(o.Startup),    text(o.LogFile),  text(o.StartMin)}
                   .join(u',') +
               o.error;
    }
};

// A save replaces whatever the file held, loaded or not, by exactly the schedule, ten keys an entry
// in their order, or the options of an empty schedule in a section of their own; texts the format
// must escape or keep load back the same.
TEST_F(Store, SaveReplacesTheFileByTheScheduleThatLoadsBack)
{
    std::vector<ScheduleEntry> awkward;
    for (const QString text : {"", "\\", "\\\\n", "trailing\\", "\n", "\r\n", "\r", "a=b=c",
                               "[1]\nStatus=Enabled", "  blanks  ", "x\tab", "Grüße, 日本, 😀"})
        awkward.push_back({text, "S" + text, text, QString(QChar(0)) + text});
    const struct {
        std::vector<ScheduleEntry> entries;
        OptionValues options;
        QByteArray file; // empty: not compared
    } rows[] = {{{{"3/7/2025 10:15:00 PM", "Disabled", "Daily", "Shutdown"},
                  {"a\\b\nc\rd=e", "Enabled", "Daily", "Shutdown"}},
                 {1, 0, "15", 0, 1, 1},
                 section(1, "3/7/2025 10:15:00 PM", "Disabled", "1,0,15,0,1,1") +
                     section(2, "a\\\\b\\nc\\rd=e", "Enabled", "1,0,15,0,1,1").chopped(1)},
                {{},
                 {1, 0, "42", 0, 2, 1},
                 "[Options]\nSound=1\nAbortBtn=0\nCountTimer=42\nStartup=0\nLogFile=2\nStartMin=1\n"},
                {awkward, {2, 0, "\\n\n[2]\r=x", 0, 2, 1}, ""}};
    for (const auto& row : rows) {
        // Blanks around "=" make keys that are not "Status": nothing of this loads.
        write("[1]\nSetTime = a\nStatus = Enabled\n\n" + section(2, "b") + "[3]\nk=v\n");
        fillList(list, row.entries);
        ASSERT_EQ(saveSchedule(path, list, row.options), "");
        EXPECT_TRUE(row.file.isEmpty() || read() == row.file) << read().toStdString();
        list.clear();
        EXPECT_EQ(loadSchedule(path, list), storedFrom(row.options));
        EXPECT_EQ(entriesOf(list), row.entries);
    }
}

// Stored files as other versions, hands or damage leave them, and what loads from each.
TEST_F(Store, LoadsWhatEachStoredFileHolds)
{
    const QByteArray fourKeys = "]\nSetTime=b\nStatus=Disabled\nFrequency=Once\nEvent=Reboot\n\n";
    const char* a = "a|Enabled|Daily|Shutdown";
    const struct {
        const char* what;
        QByteArray file; // empty: no file
        QString loads;
    } rows[] = {
        {"no file", "", " / -,-,-,-,-,-"},
        {"an empty status ends the schedule", section(1, "a") + section(2, "b", "") + section(3, "c"),
         a + QString(" / 0,1,5,1,1,0")},
        {"so does a missing section 1", section(2, "b"), " / -,-,-,-,-,-"},
        {"the last section decides the options, one without them keeps them",
         section(1, "a", "Enabled", "1,0,10,0,0,1") + section(2, "a", "Enabled", "1,0,42,0,2,1") + "[3" +
             fourKeys,
         a + QString(";") + a + ";b|Disabled|Once|Reboot / 1,0,42,0,2,1"},
        {"alone it leaves every option unset", "[1" + fourKeys, "b|Disabled|Once|Reboot / -,-,-,-,-,-"},
        {"no check box value leaves the option as it was",
         section(1, "a", "Enabled", "1,1,9,1,1,1") + section(2, "a", "Enabled", "abc,3,,-1,99999,1x"),
         a + QString(";") + a + " / 1,1,9,1,1,1"},
        {"blanks, signs, fractions rounded half to even; a long countdown whole",
         section(1, "a", "Enabled", " 2 ,+0, 000030 ,1.4,0.5,1.5"), a + QString(" / 2,0, 000030 ,1,0,2")},
        {"a BOM, CR LF, lines that are no pair, a section and a key repeated",
         "\xEF\xBB\xBF[1]\r\nSetTime=a\r\nno "
         "pair\r\n=v\r\n[\r\nStatus=Enabled\r\nFrequency=x\n[1]\nStatus=y\nEvent=e",
         "a|y|x|e / -,-,-,-,-,-"},
        {"values are taken by position, only Status by name",
         "[1]\nEvent=a\nStatus=Enabled\nSetTime=Weekly\nx=Reboot\na=1\nb=0\nc=33\nd=0\ne=2\nf=1\ng=0\nh=0\n\n"
         "[2]\nStatus=Disabled\nSetTime=b\n",
         "a|Enabled|Weekly|Reboot;Disabled|b|Weekly|Reboot / 1,0,33,0,2,1"},
        {"[Options] beside an entry is not read", section(1, "a") + "[Options]\nSound=1\nStartup=0\n",
         a + QString(" / 0,1,5,1,1,0")}};
    for (const auto& row : rows) {
        QFile::remove(path);
        if (!row.file.isEmpty())
            write(row.file);
        EXPECT_EQ(load(), row.loads) << row.what;
    }
}

// A full disk (a file size limit, which stops root too) while the new file is written (1000
// entries) or flushed (50), and a file where the folder should be: the save names the file and the
// system's reason, and the old file stays as it was with nothing left beside it.
TEST_F(Store, FailedSaveSaysWhyAndKeepsTheOldFile)
{
    fillList(list, sampleEntries(2, 0));
    ASSERT_EQ(saveSchedule(path, list, sampleOptions(0)), "");
    const QByteArray before = read();
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    for (const auto& [count, target, error] :
         {std::tuple{50, path, EFBIG}, {1000, path, EFBIG}, {1, path + "/x", ENOTDIR}}) {
        fillList(list, sampleEntries(count, 1));
        const QString message = saveSchedule(target, list, sampleOptions(1));
        EXPECT_TRUE(message.contains(QDir::toNativeSeparators(target)) &&
                    message.contains(qt_error_string(error)))
            << message.toStdString();
        EXPECT_EQ(read(), before);
        EXPECT_EQ(QFileInfo(path).dir().entryList(QDir::Files | QDir::Hidden), QStringList{"Lullwick.ini"});
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
}

} // namespace
