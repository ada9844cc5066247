// Loads many damaged, random and oversized settings files, and reads hostile files (FIFOs,
// devices, folders, huge files) through every reading path. Built with AddressSanitizer and
// UndefinedBehaviorSanitizer together with the sources that read files, so a memory error or
// undefined behaviour while reading ends the test with a report.

#include "desktop/paths.h"
#include "execution/eventlog.h"
#include "logviewer/logviewer.h"
#include "sampleschedules.h"
#include "schedule/inistore.h"
#include "support/tempenvironment.h"
#include "testseed.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>

// Qt's allocations that live until exit would be reported as leaks; memory errors are the aim.
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0";
}

extern "C" const char* __ubsan_default_options()
{
    return "print_stacktrace=1";
}

namespace {

class FileMaker {
public:
    explicit FileMaker(unsigned seed) : m_random(seed) {}

    // Mostly small damaged stores, some random bytes; one in a hundred with a value of a few
    // hundred kilobytes; one in a thousand with 5000 sections.
    QByteArray make(int i)
    {
        if (i % 1000 == 500)
            return mutated(store(5000, false), i % 2000 == 500 ? 0 : 1);
        if (i % 100 == 37)
            return mutated(store(below(12), true), below(3)) + "\nK=" + hugeValue();
        const int kind = below(1000);
        if (kind < 5)
            return mutated(store(below(1200), true), 1 + below(5));
        return kind < 850 ? mutated(store(below(12), true), 1 + below(5)) : randomBytes(below(4096));
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    template <typename T> T pick(std::initializer_list<T> items)
    {
        return items.begin()[below(int(items.size()))];
    }

    QByteArray randomBytes(int size)
    {
        QByteArray bytes(size, Qt::Uninitialized);
        for (char& c : bytes)
            c = static_cast<char>(below(256));
        return bytes;
    }

    QByteArray value(int key)
    {
        switch (key) {
        case 0:
            return below(2) ? "1/2/2026 " + formatTimeText(below(SecondsPerDay)).toUtf8()
                            : pick<QByteArray>(
                                  {"", "13:61:00", "2/30/2026 01:00:00 AM", "99/99/99999", "\\n\\r\\\\"});
        case 1:
            return pick<QByteArray>({"Enabled", "Disabled", "x"});
        case 2:
            return pick<QByteArray>({"Once", "Daily", "WeekDays", "Weekly", "?"});
        case 3:
            return pick<QByteArray>({"Shutdown", "Logoff", "Reboot", "PowerOff", ""});
        default:
            return pick<QByteArray>(
                {"0", "1", "2", "-1", "", " 1 ", "1.5", "1e309", "32768", "abc", "NaN", "0x1", "١"});
        }
    }

    // A damaged store leaves out a key or misnames a section now and then.
    QByteArray store(int sections, bool damaged)
    {
        static const char* const keys[] = {"SetTime",  "Status",     "Frequency", "Event",   "Sound",
                                           "AbortBtn", "CountTimer", "Startup",   "LogFile", "StartMin"};
        QByteArray text;
        for (int s = 1; s <= sections; ++s) {
            text += "[" + QByteArray::number(damaged && below(100) < 3 ? below(sections + 2) : s) + "]\n";
            for (int k = 0; k < 10; ++k)
                if (!damaged || below(100) >= 2)
                    text += QByteArray(keys[k]) + "=" + value(k) + "\n";
        }
        return text;
    }

    QByteArray hugeValue()
    {
        const int size = 50'000 + below(250'000);
        return pick<QByteArray>({QByteArray(size, 'x'), QByteArray("\\\\\\n\\r\\").repeated(size / 7),
                                 randomBytes(size).replace('\n', '\\')});
    }

    QByteArray mutated(QByteArray text, int times)
    {
        for (int t = 0; t < times; ++t) {
            QList<QByteArray> lines = text.split('\n');
            const int at = below(int(lines.size()));
            switch (below(9)) {
            case 0: // truncated anywhere, even inside a UTF-8 sequence
                text.truncate(below(int(text.size()) + 1));
                continue;
            case 1: // bytes overwritten, NUL included
                for (int n = below(8); n >= 0 && !text.isEmpty(); --n)
                    text[below(int(text.size()))] = static_cast<char>(below(3) ? below(256) : 0);
                continue;
            case 2: // a binary chunk inserted
                text.insert(below(int(text.size()) + 1), randomBytes(1 + below(256)));
                continue;
            case 3: // CR LF or lone CR line ends
                text.replace("\n", below(2) ? "\r\n" : "\r");
                continue;
            case 4: // lines repeated, so sections and keys appear twice
                for (const QByteArray& line : lines.mid(at, 1 + below(30)))
                    lines.insert(below(int(lines.size()) + 1), line);
                break;
            case 5: // a key without "=", or a line of "=" and keys without values
                lines[at] = below(2) ? lines[at].replace('=', "") : QByteArray(below(50), '=') + "Status=";
                break;
            case 6: // a long value
                lines[at] += "=" + randomBytes(1000 + below(4000)).replace('\n', 'n');
                break;
            case 7: // a section renamed or a bracketed line of junk
                lines.insert(at, "[" + (below(2) ? QByteArray("1") : randomBytes(below(20))) + "]");
                break;
            default: // a line deleted
                lines.removeAt(at);
                break;
            }
            text = lines.join('\n');
        }
        return text;
    }

    std::mt19937_64 m_random;
};

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(content), content.size());
}

bool isCheckBoxValue(const std::optional<int>& value)
{
    return !value || (*value >= 0 && *value <= 2);
}

// Loads one file and checks what came of it; returns the number of entries.
int checkFile(const QString& path, const QByteArray& content, bool checkDocument, bool saveAgain)
{
    writeFile(path, content);
    ScheduleList list;
    const StoredOptions options = loadSchedule(path, list);
    EXPECT_LE(list.count(), MaxScheduleEntries);
    bool everyStatusSet = true;
    for (int p = 0; p < list.count(); ++p) {
        EXPECT_EQ(list.cell(p, ScheduleList::TimeColumn).isEmpty(), !list.secondsOfDay(p).has_value());
        everyStatusSet = everyStatusSet && !list.entry(p).Status.isEmpty();
    }
    EXPECT_TRUE(isCheckBoxValue(options.EventSound) && isCheckBoxValue(options.AbortBtn) &&
                isCheckBoxValue(options.Startup) && isCheckBoxValue(options.LogFile) &&
                isCheckBoxValue(options.StartMin));
    if (list.count() == 0) {
        EXPECT_EQ(options, StoredOptions{}); // options come only with the entries that carry them
    }

    // Whatever a file holds, the document read from it is written and read back the same.
    if (checkDocument) {
        IniStore document;
        document.parse(content);
        IniStore again;
        again.parse(document.toUtf8());
        EXPECT_EQ(again.toUtf8(), document.toUtf8());
        EXPECT_EQ(again.sections(), document.sections());
    }

    // A loaded schedule saves and loads back unchanged (an entry without a status ends a stored
    // schedule, so only schedules without one come back whole).
    if (saveAgain && everyStatusSet) {
        const QString copyPath = path + QStringLiteral(".copy");
        QFile::remove(copyPath);
        OptionValues values;
        values.AbortBtn = options.AbortBtn.value_or(values.AbortBtn);
        values.LogFile = options.LogFile.value_or(values.LogFile);
        EXPECT_EQ(saveSchedule(copyPath, list, values), "");
        ScheduleList reloaded;
        const StoredOptions reloadedOptions = loadSchedule(copyPath, reloaded);
        EXPECT_EQ(entriesOf(reloaded), entriesOf(list));
        if (list.count() > 0) {
            EXPECT_EQ(reloadedOptions, storedFrom(values));
        }
    }
    return list.count();
}

TEST(StoreFuzz, DamagedAndRandomFilesLoadSafely)
{
    const bool hasShm = QFileInfo(QStringLiteral("/dev/shm")).isWritable(); // thousands of files are written
    QTemporaryDir dir((hasShm ? QStringLiteral("/dev/shm") : QDir::tempPath()) +
                      QStringLiteral("/lullwick-XXXXXX"));
    const QString path = dir.filePath("Lullwick.ini");
    const unsigned seed = testSeed();
    FileMaker maker(seed);
    int fullSchedules = 0;
    for (int i = 0; i < 2'000; ++i) { // each run draws a fresh seed, so runs together cover far more
        const QByteArray content = maker.make(i);
        fullSchedules += checkFile(path, content, i % 4 == 0, i % 20 == 0) == MaxScheduleEntries;
        if (::testing::Test::HasFailure()) {
            const QString kept =
                QDir::temp().filePath(QStringLiteral("lullwick-storefuzz-%1-%2.ini").arg(seed).arg(i));
            writeFile(kept, content);
            FAIL() << "file " << i << " of seed " << seed << ", kept as " << kept.toStdString();
        }
    }
    EXPECT_GT(fullSchedules, 0); // the largest stores were read up to the limit
}

// The files the loop above only meets by chance: {content, entries loaded}.
TEST(StoreFuzz, ExtremeFiles)
{
    QTemporaryDir dir;
    QByteArray many;
    for (int s = 1; s <= 5000; ++s)
        many += "[" + QByteArray::number(s) + "]\nSetTime=1/1/2026 01:00:00 AM\nStatus=Enabled\n\n";
    QByteArray oneKeyMany = "[1]\nStatus=Enabled\n";
    for (int k = 0; k < 100'000; ++k)
        oneKeyMany += "K" + QByteArray::number(k % 50'000) + "=" + QByteArray::number(k) + "\n";
    const std::pair<QByteArray, int> files[] = {
        {many, MaxScheduleEntries},
        {oneKeyMany, 1},
        {QByteArray(300'000, '\0'), 0},
        {"[1]\nStatus=" + QByteArray(400'000, '\\') + "\n", 1},
        {"[1]\nSetTime=" + QByteArray(400'000, '7') + "\nStatus=Enabled\n", 1},
        {QByteArray("[1]\0\nStatus=Enabled\n", 20), 0},
        {QByteArray(200'000, '\n'), 0},
        {QByteArray(200'000, '['), 0},
        {"\xEF\xBB\xBF", 0},
    };
    for (const auto& [content, entries] : files) {
        SCOPED_TRACE(content.left(40).toStdString());
        EXPECT_EQ(checkFile(dir.filePath("Lullwick.ini"), content, true, true), entries);
    }
}

// Every path that reads or appends to a file the user's folders name, over what an attacker
// could put at that name: each ends with a message or the data, never blocks, never reads
// without bound.
TEST(HostileFiles, EveryReadingPathEndsWithAMessageOrTheData)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString huge = dir.filePath("huge");
    ASSERT_TRUE(QFile(huge).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile::resize(huge, 100 * 1024 * 1024));
    const struct {
        const char* name;
        QString target; // what the name links to; "fifo" or "folder" makes one there
        bool readable;  // the viewer shows it and a line can be appended
    } cases[] = {
        {"FIFO", "fifo", false},
        {"link to a FIFO", fifo, false},
        {"link to /dev/zero", "/dev/zero", false},
        {"link to /dev/urandom", "/dev/urandom", false},
        {"folder", "folder", false},
        // Opens but cannot be read at its start; running as root, permissions cannot do that.
        {"unreadable", "/proc/self/mem", false},
        {"100 MB", huge, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QStringLiteral("LogFile.log"));
        QFile::remove(path);
        QDir(path).removeRecursively();
        if (c.target == "fifo")
            ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (c.target == "folder")
            ASSERT_TRUE(QDir().mkpath(path));
        else
            ASSERT_TRUE(QFile::link(c.target, path));

        IniStore settings;
        const QString settingsError = settings.load(path);
        EXPECT_TRUE(settingsError.contains(path)) << settingsError.toStdString();
        LogViewer viewer(path);
        EXPECT_EQ(viewer.load().isEmpty(), c.readable);
        EXPECT_EQ(viewer.logText().isEmpty(), !c.readable);
        EXPECT_EQ(appendToEventLog(path, QStringLiteral("\"Reboot\"\r\n")).isEmpty(), c.readable);
    }
}

// The program itself on a virtual display, its settings file replaced by what stalls or floods
// a plain read: it shows a window, and ends on SIGTERM. Rows: what the settings file links to,
// a FIFO itself when empty.
TEST(HostileFiles, TheProgramStartsAndEndsOnSigtermWhateverItsSettingsFileIs)
{
    for (const QString& target : {QString(), QStringLiteral("fifo"), QStringLiteral("/dev/zero")}) {
        SCOPED_TRACE(target.toStdString());
        TempEnvironment env;
        const QString settings = Paths::settingsFile();
        ASSERT_TRUE(QDir().mkpath(QFileInfo(settings).absolutePath()));
        const QString fifo = target.isEmpty() ? settings : env.root() + QLatin1Char('/') + target;
        if (!target.startsWith(QLatin1Char('/'))) {
            ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        }
        if (!target.isEmpty()) {
            ASSERT_TRUE(QFile::link(target.startsWith(QLatin1Char('/')) ? target : fifo, settings));
        }
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(LULLWICK_PROGRAM));
        ASSERT_TRUE(program.waitForStarted());
        const auto showsAWindow = [&] {
            return QProcess::execute(QStringLiteral("xdotool"),
                                     {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                      QStringLiteral("--pid"), QString::number(program.processId())}) == 0;
        };
        EXPECT_TRUE(QTest::qWaitFor(showsAWindow, 20000));
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        EXPECT_TRUE(program.waitForFinished(20000));
    }
}

} // namespace
