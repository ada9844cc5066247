// Damaged, random and hostile files through every path that reads them, built with AddressSanitizer
// and UndefinedBehaviorSanitizer: a memory error or undefined behaviour ends the test with a report.
#include "desktop/paths.h"
#include "execution/eventlog.h"
#include "logviewer/logviewer.h"
#include "sampleschedules.h"
#include "schedule/inistore.h"
#include "support/tempenvironment.h"

#include <QDir>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>

// Qt's allocations that live until exit would be reported as leaks; memory errors are the aim.
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0";
}

namespace {

// Loads a file and checks what came of it; every twentieth file's schedule must save and load back
// unchanged (an entry without a status ends a stored schedule, so only one without).
int checkFile(const QString& path, const QByteArray& content, bool saveAgain)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    file.close();
    ScheduleList list;
    const StoredOptions options = loadSchedule(path, list);
    EXPECT_LE(list.count(), MaxScheduleEntries);
    for (const auto& value :
         {options.EventSound, options.AbortBtn, options.Startup, options.LogFile, options.StartMin})
        EXPECT_TRUE(!value || (*value >= 0 && *value <= 2));
    EXPECT_TRUE(list.count() > 0 ||
                options == StoredOptions{}); // options come with the entries that carry them
    for (int p = 0; p < list.count(); ++p)
        saveAgain = saveAgain && !list.entry(p).Status.isEmpty();
    if (saveAgain) {
        EXPECT_EQ(saveSchedule(path + ".copy", list, OptionValues{}), "");
        ScheduleList reloaded;
        loadSchedule(path + ".copy", reloaded);
        EXPECT_EQ(entriesOf(reloaded), entriesOf(list));
    }
    return list.count();
}

TEST(StoreFuzz, ExtremeDamagedAndRandomFilesLoadSafely)
{
    // First the files random ones meet only by chance.
    QByteArray many, oneKeyMany = "[1]\nStatus=Enabled\n";
    for (int s = 1; s <= 5000; ++s)
        many += "[" + QByteArray::number(s) + "]\nSetTime=1/1/2026 01:00:00 AM\nStatus=Enabled\n\n";
    for (int k = 0; k < 100'000; ++k)
        oneKeyMany += "K" + QByteArray::number(k % 50'000) + "=" + QByteArray::number(k) + "\n";
    const QList<QByteArray> extremes(
        {many, oneKeyMany, QByteArray(300'000, '\0'), "[1]\nStatus=" + QByteArray(400'000, '\\'),
         "[1]\nSetTime=" + QByteArray(400'000, '7') + "\nStatus=Enabled\n",
         "[1]\nK=" + QByteArray("\\\\\\n\\r\\").repeated(50'000) + "\nStatus=Enabled\n",
         QByteArray("[1]\0\nStatus=Enabled\n", 20), QByteArray(200'000, '\n'), QByteArray(200'000, '['),
         "\xEF\xBB\xBF"});
    // Then a store of a dozen entries, cut anywhere (inside a UTF-8 sequence too) and with up to
    // eight stretches replaced by nothing, random bytes, another part of it (sections and keys
    // twice) or a piece of a line or value. Each run draws a fresh seed, so runs together cover far
    // more; LULLWICK_TEST_SEED repeats a run. Thousands of files: in memory where there is room.
    QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? "/dev/shm/lullwick-XXXXXX" : "");
    const QString path = dir.filePath("Lullwick.ini");
    ScheduleList sample;
    fillList(sample, sampleEntries(12, 0));
    ASSERT_EQ(saveSchedule(path, sample, sampleOptions(0)), "");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray store = file.readAll();
    bool fixed = false;
    unsigned seed = qEnvironmentVariable("LULLWICK_TEST_SEED").toUInt(&fixed);
    std::mt19937_64 random(fixed ? seed : seed = std::random_device{}());
    const auto below = [&](qsizetype n) { return qsizetype(random() % quint64(n)); };
    for (int i = 0; i < 2'000 && !::testing::Test::HasFailure(); ++i) {
        QByteArray text = store.left(below(4) ? store.size() : below(store.size() + 1));
        for (int t = below(9); t > 0; --t) {
            QByteArray noise(below(256), Qt::Uninitialized);
            for (char& c : noise)
                c = char(random());
            const qsizetype at = below(text.size() + 1);
            const qsizetype length = below(3) ? 0 : below(60);
            text.replace(
                at, length,
                QList<QByteArray>({QByteArray(), noise, text.mid(below(at + 1), below(2000)), "\n[1]\n",
                                   "]\n", "\r", "\r\n", "=", "\\", "\nStatus=Enabled\n", "\nSound=", " 1.5 ",
                                   "1e309", "32768", "NaN", "١", "\xE2\x82", "13:61:00 PM"})[below(18)]);
        }
        const int entries =
            checkFile(path, i < extremes.size() ? extremes[i] : text, i < extremes.size() || i % 20 == 0);
        EXPECT_TRUE(i != 0 || entries == MaxScheduleEntries) << "the longest file reads up to the limit";
        if (::testing::Test::HasFailure())
            ADD_FAILURE() << "file " << i << " of seed " << seed;
    }
}

// Every path that reads or appends to a file the user's folders name, over what an attacker could
// put at that name, ends with a message or the data: it never blocks or reads without bound.
TEST(HostileFiles, EveryReadingPathEndsWithAMessageOrTheData)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo");
    const QString huge = dir.filePath("huge");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QFile(huge).open(QIODevice::WriteOnly) && QFile::resize(huge, 100 * 1024 * 1024));
    // What the name is or links to; only the huge file is shown and appended to. /proc/self/mem
    // opens but cannot be read at its start (running as root, permissions cannot do that).
    for (const QString& target : {QString("a FIFO"), fifo, QString("/dev/zero"), QString("/dev/urandom"),
                                  QString("a folder"), QString("/proc/self/mem"), huge}) {
        SCOPED_TRACE(target.toStdString());
        const QString path = dir.filePath(QStringLiteral("LogFile.log"));
        QFile::remove(path);
        QDir(path).removeRecursively();
        ASSERT_TRUE(target == "a FIFO"     ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0
                    : target == "a folder" ? QDir().mkpath(path)
                                           : QFile::link(target, path));
        IniStore settings;
        const QString settingsError = settings.load(path);
        EXPECT_TRUE(settingsError.contains(path)) << settingsError.toStdString();
        LogViewer viewer(path);
        EXPECT_EQ(viewer.load().isEmpty(), target == huge);
        EXPECT_EQ(viewer.logText().isEmpty(), target != huge);
        EXPECT_EQ(appendToEventLog(path, QStringLiteral("\"Reboot\"\r\n")).isEmpty(), target == huge);
    }
}

// The program itself on a virtual display, its settings file a FIFO or a link to one or to
// /dev/zero: it shows a window, and ends on SIGTERM.
TEST(HostileFiles, TheProgramStartsAndEndsOnSigtermWhateverItsSettingsFileIs)
{
    for (const QString target : {"", "fifo", "/dev/zero"}) {
        SCOPED_TRACE(target.toStdString());
        TempEnvironment env;
        const QString settings = Paths::settingsFile();
        const QString fifo = target.isEmpty() ? settings : env.root() + "/fifo";
        ASSERT_TRUE(QDir().mkpath(QFileInfo(settings).path()));
        ASSERT_TRUE(target == "/dev/zero" || ::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        ASSERT_TRUE(target.isEmpty() || QFile::link(target == "fifo" ? fifo : target, settings));
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "xcb");
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(LULLWICK_PROGRAM));
        ASSERT_TRUE(program.waitForStarted());
        const QStringList search{"search", "--onlyvisible", "--pid", QString::number(program.processId())};
        EXPECT_TRUE(QTest::qWaitFor([&] { return QProcess::execute("xdotool", search) == 0; }, 20000));
        program.terminate(); // SIGTERM
        EXPECT_TRUE(program.waitForFinished(20000));
    }
}

} // namespace
