#include "sampleschedules.h"

#include <QDir>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

// One stored section, its keys in their written order; the options separated by ",": six, as
// older versions wrote them, or seven with the notice.
static QByteArray section(int number, const QByteArray& record, const QByteArray& status = "Enabled",
                          const QByteArray& options = "0,1,5,1,1,0")
{
    const QList<QByteArray> v = options.split(',');
    return "[" + QByteArray::number(number) + "]\nSetTime=" + record + "\nStatus=" + status +
           "\nFrequency=Daily\nEvent=Shutdown\nSound=" + v[0] + "\nAbortBtn=" + v[1] +
           "\nCountTimer=" + v[2] + "\nStartup=" + v[3] + "\nLogFile=" + v[4] + "\nStartMin=" + v[5] + "\n" +
           (v.size() > 6 ? "NoticeMinutes=" + v[6] + "\n" : "") + "\n";
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
    // "record|status|frequency|event;..." then " / " and the options as section() takes them.
    QString load()
    {
        list.clear();
        const StoredOptions o = loadSchedule(path, list);
        QStringList entries, options;
        for (const ScheduleEntry& e : entriesOf(list))
            entries << QStringList{e.SetTime, e.Status, e.Frequency, e.Event}.join(u'|');
        for (const auto& value : {o.EventSound, o.AbortBtn, o.Startup, o.LogFile, o.StartMin})
            options << (value ? QString::number(*value) : "-");
        options.insert(2, o.CountTimer.value_or("-"));
        if (o.NoticeMinutes)
            options << QString::number(*o.NoticeMinutes);
        return entries.join(u';') + " / " + options.join(u',') + o.error;
    }
};

// A save replaces all the file held by the schedule (ten keys an entry) or the options of an empty
// one (a section of their own), and loads back, awkward texts too.
TEST_F(Store, SaveReplacesTheFileByTheScheduleThatLoadsBack)
{
    std::vector<ScheduleEntry> awkward;
    for (const QString text : {"", "\\", "\\\\n", "trailing\\", "\n", "\r\n", "\r", "a=b=c",
                               "[1]\nStatus=Enabled", "  blanks  ", "x\tab", "Grüße, 日本, 😀"})
        awkward.push_back({text, "S" + text, text, QString(QChar(0)) + text});
    // Over a file of which nothing loads (with blanks around "=" no key is "Status").
    const auto save = [&](const std::vector<ScheduleEntry>& entries, const Options& options) {
        write("[1]\nSetTime = a\nStatus = Enabled\n\n" + section(2, "b") + "[3]\nk=v\n");
        fillList(list, entries);
        EXPECT_EQ(saveSchedule(path, list, options), "");
        list.clear();
        EXPECT_EQ(loadSchedule(path, list), storedFrom(options));
        EXPECT_EQ(entriesOf(list), entries);
        return read();
    };
    EXPECT_EQ(save({{"3/7/2025 10:15:00 PM", "Disabled", "Daily", "Shutdown"},
                    {"a\\b\nc\rd=e", "Enabled", "Daily", "Shutdown"}},
                   {1, 0, "15", 0, 1, 1}),
              section(1, "3/7/2025 10:15:00 PM", "Disabled", "1,0,15,0,1,1,5") +
                  section(2, "a\\\\b\\nc\\rd=e", "Enabled", "1,0,15,0,1,1,5").chopped(1));
    EXPECT_EQ(
        save({}, {1, 0, "42", 0, 2, 1, 0}),
        "[Options]\nSound=1\nAbortBtn=0\nCountTimer=42\nStartup=0\nLogFile=2\nStartMin=1\nNoticeMinutes=0\n");
    save(awkward, {2, 0, "\\n\n[2]\r=x", 0, 2, 1});
}

// Stored files as other versions, hands or damage leave them, and what loads from each.
TEST_F(Store, LoadsWhatEachStoredFileHolds)
{
    const QByteArray fourKeys = "]\nSetTime=b\nStatus=Disabled\nFrequency=Once\nEvent=Reboot\n\n";
    const QString a = "a|Enabled|Daily|Shutdown";
    const std::pair<QByteArray, QString> rows[] = {
        // An empty status ends the schedule; [Options] beside an entry is not read.
        {section(1, "a") + "[Options]\nSound=1\n" + section(2, "b", "") + section(3, "c"),
         a + " / 0,1,5,1,1,0"},
        {section(2, "b"), " / -,-,-,-,-,-"}, // so does a missing section 1
        // The last section decides the options; one without them keeps them, alone leaves them unset.
        {section(1, "a", "Enabled", "1,0,10,0,0,1") + section(2, "a", "Enabled", "1,0,42,0,2,1") + "[3" +
             fourKeys,
         a + ";" + a + ";b|Disabled|Once|Reboot / 1,0,42,0,2,1"},
        {"[1" + fourKeys, "b|Disabled|Once|Reboot / -,-,-,-,-,-"},
        // No check box value leaves the option as it was.
        {section(1, "a", "Enabled", "1,1,9,1,1,1") + section(2, "a", "Enabled", "abc,3,,-1,99999,1x"),
         a + ";" + a + " / 1,1,9,1,1,1"},
        // Blanks, signs and fractions rounded half to even; a long countdown whole; a notice up to a day.
        {section(1, "a", "Enabled", " 2 ,+0, 000030 ,1.4,0.5,1.5,1440"), a + " / 2,0, 000030 ,1,0,2,1440"},
        {section(1, "a", "Enabled", "1,1,9,1,1,1,30") + section(2, "a", "Enabled", "1,1,9,1,1,1,1441"),
         a + ";" + a + " / 1,1,9,1,1,1,30"},
        // A BOM, CR LF, lines that are no pair, a section and a key repeated.
        {"\xEF\xBB\xBF[1]\r\nSetTime=a\r\nno pair\r\n=v\r\n[\r\nStatus=Enabled\r\n"
         "Frequency=x\n[1]\nStatus=y\nEvent=e",
         "a|y|x|e / -,-,-,-,-,-"},
        // Values are taken by position, only Status by name.
        {"[1]\nEvent=a\nStatus=Enabled\nSetTime=Weekly\nx=Reboot\na=1\nb=0\nc=33\nd=0\ne=2\nf=1\ng=0\nh=0\n\n"
         "[2]\nStatus=Disabled\nSetTime=b\n",
         "a|Enabled|Weekly|Reboot;Disabled|b|Weekly|Reboot / 1,0,33,0,2,1,0"}};
    for (const auto& [file, loads] : rows) {
        write(file);
        EXPECT_EQ(load(), loads) << file.toStdString();
    }
}

// A full disk (a file size limit stops root too) while writing or flushing, or a file in the folder's
// place: the save says why, naming the file, and leaves the old file alone and nothing beside it.
TEST_F(Store, FailedSaveSaysWhyAndKeepsTheOldFile)
{
    fillList(list, sampleEntries(2, 0));
    ASSERT_EQ(saveSchedule(path, list, sampleOptions(0)), "");
    const QByteArray before = read();
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const rlimit small{4096, saved.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN); // the limit fails the write instead of ending the process
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
}
