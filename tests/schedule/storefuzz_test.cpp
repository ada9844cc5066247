// Loads many damaged, random and oversized settings files, and reads hostile files (FIFOs,
// devices, folders, huge files) through every reading path. This executable is built with
// AddressSanitizer and UndefinedBehaviorSanitizer, together with the sources that read files,
// so a memory error or undefined behaviour while reading a file ends the test with a report.

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
#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>

// Qt's own allocations that live until exit would be reported as leaks; memory errors are
// what this test is after.
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0";
}

extern "C" const char* __ubsan_default_options()
{
    return "print_stacktrace=1";
}

namespace {

// Each run draws a fresh seed, so the runs together cover far more files than one does.
constexpr int Files = 2'000;

class FileMaker {
public:
    explicit FileMaker(unsigned seed) : m_random(seed) {}

    // The i-th file: mostly small damaged stores, some random bytes or random lines; now and
    // then a store of up to 1200 sections; one in a hundred with a value of a few hundred
    // kilobytes; one in a thousand with 5000 sections.
    QByteArray make(int i)
    {
        if (i % 1000 == 500)
            return i % 2000 == 500 ? store(5000, false) : mutated(store(5000, false), 1);
        if (i % 100 == 37)
            return withHugeValue(mutated(store(below(12), true), below(3)));
        const int kind = below(1000);
        if (kind < 5)
            return mutated(store(below(1200), true), 1 + below(5));
        if (kind < 750)
            return mutated(store(below(12), true), 1 + below(5));
        if (kind < 870)
            return randomBytes(below(4096));
        return randomLines(below(100));
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(int percent) { return below(100) < percent; }

    template <typename T> T pick(std::initializer_list<T> items)
    {
        return *(items.begin() + below(static_cast<int>(items.size())));
    }

    QByteArray randomBytes(int size)
    {
        QByteArray bytes(size, Qt::Uninitialized);
        for (char& c : bytes)
            c = static_cast<char>(below(256));
        return bytes;
    }

    QByteArray number() { return QByteArray::number(below(2400) - 200); }

    QByteArray record()
    {
        switch (below(4)) {
        case 0:
            return QByteArray::number(1 + below(12)) + "/" + QByteArray::number(1 + below(31)) + "/" +
                   QByteArray::number(1900 + below(200)) + " " +
                   formatTimeText(below(SecondsPerDay)).toUtf8();
        case 1:
            return pick<QByteArray>({"", " ", "12:00:00 AM", "13:61:00", "2/30/2026 01:00:00 AM",
                                     "99/99/99999", "1/1/0 00:00:00 PM", "\\", "\\n\\r\\\\", "0:0"});
        case 2:
            return randomBytes(below(40)).replace('\n', ' ');
        default:
            return "1/2/2026 " + formatTimeText(below(SecondsPerDay)).toUtf8();
        }
    }

    QByteArray optionValue()
    {
        return pick<QByteArray>({"0",     "1",       "2",     "3",     "-1",     "",    " 1 ", "1.5", "2.5",
                                 "1e309", "-1e-400", "32767", "32768", "-32769", "abc", "5",   "999", "+0",
                                 ".",     "e5",      "1e",    "NaN",   "inf",    "0x1", "١"});
    }

    // A store of that many sections; a damaged one leaves out a key or misnames a section now
    // and then.
    QByteArray store(int sections, bool damaged)
    {
        static const char* const keys[] = {"SetTime",  "Status",     "Frequency", "Event",   "Sound",
                                           "AbortBtn", "CountTimer", "Startup",   "LogFile", "StartMin"};
        QByteArray text;
        for (int s = 1; s <= sections; ++s) {
            const int name = damaged && chance(3) ? below(sections + 2) : s;
            text += "[" + QByteArray::number(name) + "]\n";
            for (int k = 0; k < 10; ++k) {
                if (damaged && chance(2))
                    continue;
                QByteArray value;
                if (k == 0)
                    value = record();
                else if (k == 1)
                    value =
                        damaged && chance(3) ? QByteArray() : pick<QByteArray>({"Enabled", "Disabled", "x"});
                else if (k == 2)
                    value = pick<QByteArray>({"Once", "Daily", "WeekDays", "Weekly", "?"});
                else if (k == 3)
                    value = pick<QByteArray>({"Shutdown", "Logoff", "Reboot", "PowerOff", ""});
                else
                    value = optionValue();
                text += QByteArray(keys[k]) + "=" + value + "\n";
            }
            if (chance(5))
                text += "Extra" + number() + "=" + number() + "\n";
            text += "\n";
        }
        return text;
    }

    QByteArray randomLines(int count)
    {
        QByteArray text;
        for (int i = 0; i < count; ++i) {
            switch (below(8)) {
            case 0:
                text += "[" + number() + "]";
                break;
            case 1:
                text +=
                    pick<QByteArray>({"[", "]", "[]", "[[1]]", "=", "==", "\\", "\r", "Status", "Status="});
                break;
            case 2:
                text += "Status=" + pick<QByteArray>({"Enabled", "", "\\", "\\r"});
                break;
            case 3:
                text += randomBytes(below(30));
                break;
            default:
                text += "K" + number() + "=" + optionValue();
                break;
            }
            text += pick<QByteArray>({"\n", "\n", "\r\n", "\r", ""});
        }
        return text;
    }

    // A value of a few hundred kilobytes somewhere in the text: plain text, escapes, or bytes
    // of every kind.
    QByteArray withHugeValue(const QByteArray& text)
    {
        QList<QByteArray> lines = text.split('\n');
        lines[below(static_cast<int>(lines.size()))] += "=" + hugeValue();
        return lines.join('\n');
    }

    QByteArray hugeValue()
    {
        const int size = 50'000 + below(250'000);
        switch (below(3)) {
        case 0:
            return QByteArray(size, 'x');
        case 1:
            return QByteArray("\\\\\\n\\r\\").repeated(size / 7);
        default:
            return randomBytes(size).replace('\n', '\\');
        }
    }

    QByteArray mutated(QByteArray text, int times)
    {
        for (int t = 0; t < times; ++t) {
            QList<QByteArray> lines = text.split('\n');
            const int at = below(static_cast<int>(lines.size()));
            switch (below(13)) {
            case 0: // truncated anywhere, even inside a line or a UTF-8 sequence
                text.truncate(below(static_cast<int>(text.size()) + 1));
                continue;
            case 1: // bytes overwritten, NUL included
                for (int n = below(8); n >= 0 && !text.isEmpty(); --n)
                    text[below(static_cast<int>(text.size()))] =
                        static_cast<char>(chance(30) ? 0 : below(256));
                continue;
            case 2: // a binary chunk inserted
                text.insert(below(static_cast<int>(text.size()) + 1), randomBytes(1 + below(256)));
                continue;
            case 3: // a line deleted
                lines.removeAt(at);
                break;
            case 4: { // lines repeated, so sections and keys appear twice
                const int count = 1 + below(30);
                const QList<QByteArray> copy = lines.mid(at, count);
                for (qsizetype k = 0; k < copy.size(); ++k)
                    lines.insert(below(static_cast<int>(lines.size()) + 1), copy[k]);
                break;
            }
            case 5: // a key without "="
                lines[at].replace('=', "");
                break;
            case 6: // a long value
                lines[at] += "=" + randomBytes(1000 + below(4000)).replace('\n', 'n');
                break;
            case 7: // CR LF or lone CR line ends
                text.replace("\n", chance(50) ? "\r\n" : "\r");
                continue;
            case 8: // a section renamed
                lines[at] = "[" + (chance(50) ? QByteArray("1") : number()) + "]";
                break;
            case 9: // two lines swapped
                lines.swapItemsAt(at, below(static_cast<int>(lines.size())));
                break;
            case 10: // a bracketed line of junk
                lines.insert(at, "[" + randomBytes(below(20)) + "]");
                break;
            case 11: // many "=" and keys with no value
                lines.insert(at, QByteArray(below(50), '=') + "Status" + QByteArray(below(3), '='));
                break;
            default: // a status emptied
                if (lines[at].startsWith("Status="))
                    lines[at] = "Status=";
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

OptionValues valuesOf(const StoredOptions& stored)
{
    OptionValues values;
    values.EventSound = stored.EventSound.value_or(values.EventSound);
    values.AbortBtn = stored.AbortBtn.value_or(values.AbortBtn);
    values.CountTimer = stored.CountTimer.value_or(values.CountTimer);
    values.Startup = stored.Startup.value_or(values.Startup);
    values.LogFile = stored.LogFile.value_or(values.LogFile);
    values.StartMin = stored.StartMin.value_or(values.StartMin);
    return values;
}

// Loads one file and checks what came of it; loaded is set to the number of entries.
void checkFile(const QString& path, const QString& copyPath, const QByteArray& content, bool checkDocument,
               bool saveAgain, int& loaded)
{
    writeFile(path, content);
    ScheduleList list;
    const StoredOptions options = loadSchedule(path, list);

    ASSERT_EQ(list.count(), list.rowCount());
    ASSERT_LE(list.count(), MaxScheduleEntries);
    ASSERT_EQ(list.columnCount(), ScheduleList::ColumnCount);
    bool everyStatusSet = true;
    for (int p = 0; p < list.count(); ++p) {
        const ScheduleEntry entry = list.entry(p);
        ASSERT_EQ(list.record(p), entry.SetTime);
        ASSERT_EQ(list.data(list.index(p, ScheduleList::StatusColumn)).toString(), entry.Status);
        ASSERT_EQ(list.cell(p, ScheduleList::TimeColumn).isEmpty(), !list.secondsOfDay(p).has_value());
        everyStatusSet = everyStatusSet && !entry.Status.isEmpty();
    }
    ASSERT_TRUE(isCheckBoxValue(options.EventSound) && isCheckBoxValue(options.AbortBtn) &&
                isCheckBoxValue(options.Startup) && isCheckBoxValue(options.LogFile) &&
                isCheckBoxValue(options.StartMin));
    if (list.count() == 0) {
        ASSERT_EQ(options, StoredOptions{}); // options come only with the entries that carry them
    }
    loaded = list.count();

    // Whatever a file holds, the document read from it is written and read back the same.
    if (checkDocument) {
        IniStore document;
        document.parse(content);
        const QByteArray written = document.toUtf8();
        IniStore again;
        again.parse(written);
        ASSERT_EQ(again.toUtf8(), written);
        ASSERT_EQ(again.sections(), document.sections());
    }

    // And a loaded schedule saves and loads back unchanged (an entry without a status ends a
    // stored schedule, so only schedules without one come back whole).
    if (saveAgain && everyStatusSet) {
        QFile::remove(copyPath);
        const OptionValues values = valuesOf(options);
        ASSERT_EQ(saveSchedule(copyPath, list, values), "");
        ScheduleList reloaded;
        const StoredOptions reloadedOptions = loadSchedule(copyPath, reloaded);
        ASSERT_EQ(entriesOf(reloaded), entriesOf(list));
        if (list.count() > 0) {
            ASSERT_EQ(reloadedOptions, storedFrom(values));
        }
    }
}

// Memory rather than disk when there is a memory file system: thousands of files are written.
QString fastTempFolder()
{
    const QString shm = QStringLiteral("/dev/shm");
    return QFileInfo(shm).isDir() && QFileInfo(shm).isWritable() ? shm : QDir::tempPath();
}

TEST(StoreFuzz, DamagedAndRandomFilesLoadSafely)
{
    QTemporaryDir dir(fastTempFolder() + QStringLiteral("/lullwick-storefuzz-XXXXXX"));
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("Lullwick.ini");
    const QString copyPath = dir.filePath("copy/Lullwick.ini");
    const unsigned seed = testSeed();
    FileMaker maker(seed);
    qint64 bytes = 0;
    int fullSchedules = 0;
    for (int i = 0; i < Files; ++i) {
        const QByteArray content = maker.make(i);
        bytes += content.size();
        int loaded = 0;
        checkFile(path, copyPath, content, i % 4 == 0, i % 20 == 0, loaded);
        if (::testing::Test::HasFatalFailure()) {
            const QString kept =
                QDir::temp().filePath(QStringLiteral("lullwick-storefuzz-%1-%2.ini").arg(seed).arg(i));
            writeFile(kept, content);
            FAIL() << "file " << i << " of seed " << seed << ", kept as " << kept.toStdString();
        }
        fullSchedules += loaded == MaxScheduleEntries;
    }
    std::cout << Files << " files, " << bytes / 1024 << " KiB in all, " << fullSchedules
              << " of them with 1000 entries" << std::endl;
    EXPECT_GT(fullSchedules, 0); // the largest stores were read up to the limit
}

// The files the loop above only meets by chance, each on its own.
TEST(StoreFuzz, ExtremeFiles)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Lullwick.ini");
    const QString copyPath = dir.filePath("copy/Lullwick.ini");
    QByteArray many;
    for (int s = 1; s <= 5000; ++s)
        many += "[" + QByteArray::number(s) + "]\nSetTime=1/1/2026 01:00:00 AM\nStatus=Enabled\n\n";
    QByteArray oneKeyMany = "[1]\nStatus=Enabled\n";
    for (int k = 0; k < 100'000; ++k)
        oneKeyMany += "K" + QByteArray::number(k % 50'000) + "=" + QByteArray::number(k) + "\n";
    const QByteArray files[] = {
        many,
        oneKeyMany,
        QByteArray(300'000, '\0'),
        "[1]\nStatus=" + QByteArray(400'000, '\\') + "\n",
        "[1]\nSetTime=" + QByteArray(400'000, '7') + "\nStatus=Enabled\n",
        QByteArray("[1]\0\nStatus=Enabled\n", 20),
        "[1]\nStatus\nStatus=Enabled",
        QByteArray(200'000, '\n'),
        QByteArray(200'000, '['),
        "\xEF\xBB\xBF",
        "",
    };
    int loaded[std::size(files)] = {};
    for (size_t i = 0; i < std::size(files); ++i) {
        SCOPED_TRACE(i);
        checkFile(path, copyPath, files[i], true, true, loaded[i]);
    }
    EXPECT_EQ(loaded[0], MaxScheduleEntries);
    EXPECT_EQ(loaded[1], 1);
    EXPECT_EQ(loaded[3], 1);
    EXPECT_EQ(loaded[4], 1);
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
        QString target; // what the name links to; a folder when empty
        bool readable;  // the viewer shows it and a line can be appended
    } cases[] = {
        {"FIFO", {}, false},
        {"link to a FIFO", fifo, false},
        {"link to /dev/zero", QStringLiteral("/dev/zero"), false},
        {"link to /dev/urandom", QStringLiteral("/dev/urandom"), false},
        {"folder", {}, false},
        // Opens but cannot be read at its start; running as root, permissions cannot do that.
        {"unreadable", QStringLiteral("/proc/self/mem"), false},
        {"100 MB", huge, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QStringLiteral("LogFile.log"));
        QFile::remove(path);
        QDir(path).removeRecursively();
        if (c.target.isEmpty() && QLatin1String(c.name) == QLatin1String("FIFO"))
            ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (c.target.isEmpty())
            ASSERT_TRUE(QDir().mkpath(path));
        else
            ASSERT_TRUE(QFile::link(c.target, path));

        IniStore settings;
        const QString settingsError = settings.load(path);
        EXPECT_TRUE(settingsError.contains(path)) << settingsError.toStdString();
        LogViewer viewer(path);
        const QString viewerError = viewer.load();
        EXPECT_EQ(viewerError.isEmpty(), c.readable) << viewerError.toStdString();
        EXPECT_EQ(viewer.logText().isEmpty(), !c.readable);
        EXPECT_EQ(appendToEventLog(path, QStringLiteral("\"Reboot\"\r\n")).isEmpty(), c.readable);
    }
}

bool showsAWindow(qint64 pid)
{
    QProcess search;
    search.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                             QStringLiteral("--pid"), QString::number(pid)});
    return search.waitForFinished(10000) && search.exitCode() == 0;
}

// The program itself on a virtual display, its settings file replaced by what stalls or floods
// a plain read: it shows a window, and ends on SIGTERM.
TEST(HostileFiles, TheProgramStartsAndEndsOnSigtermWhateverItsSettingsFileIs)
{
    const struct {
        const char* name;
        QString target; // what the settings file links to; itself a FIFO when empty
    } cases[] = {
        {"FIFO", {}},
        {"link to a FIFO", QStringLiteral("fifo")},
        {"link to /dev/zero", QStringLiteral("/dev/zero")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempEnvironment env;
        const QString settings = Paths::settingsFile();
        ASSERT_TRUE(QDir().mkpath(QFileInfo(settings).absolutePath()));
        const QString fifo = c.target.isEmpty() ? settings : env.root() + QLatin1Char('/') + c.target;
        if (!c.target.startsWith(QLatin1Char('/'))) {
            ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        }
        if (!c.target.isEmpty()) {
            ASSERT_TRUE(QFile::link(c.target.startsWith(QLatin1Char('/')) ? c.target : fifo, settings));
        }
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(LULLWICK_PROGRAM));
        ASSERT_TRUE(program.waitForStarted());
        EXPECT_TRUE(QTest::qWaitFor([&] { return showsAWindow(program.processId()); }, 20000));
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        EXPECT_TRUE(program.waitForFinished(20000));
    }
}

} // namespace
