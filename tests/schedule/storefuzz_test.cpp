// Damaged, random and hostile settings files read by code built with AddressSanitizer and UBSan.
#include "desktop/paths.h"
#include "sampleschedules.h"
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

// Files met only by chance, then a store of a dozen sections cut anywhere and with stretches replaced,
// in memory where there is room. LULLWICK_TEST_SEED repeats a run; others draw a fresh seed.
TEST(StoreFuzz, ExtremeDamagedAndRandomFilesLoadSafely)
{
    QByteArray many, oneKeyMany = "[1]\nStatus=Enabled\n";
    for (int s = 1; s <= 5000; ++s)
        many += "[" + QByteArray::number(s) + "]\nSetTime=1/1/2026 01:00:00 AM\nStatus=Enabled\n" +
                (s <= 12 ? "Frequency=Weekly\nEvent=Reboot\nSound=1\nAbortBtn=0\nCountTimer=5\nLogFile=2\n\n"
                         : "\n");
    for (int k = 0; k < 100'000; ++k)
        oneKeyMany += "K" + QByteArray::number(k % 50'000) + "=" + QByteArray::number(k) + "\n";
    const QList<QByteArray> extremes(
        {many, oneKeyMany, QByteArray(300'000, '\0'), "[1]\nStatus=" + QByteArray(400'000, '\\'),
         "[1]\nSetTime=" + QByteArray(400'000, '7') + "\nStatus=Enabled\n",
         "[1]\nK=" + QByteArray("\\\\\\n\\r\\").repeated(50'000) + "\nStatus=Enabled\n",
         QByteArray("[1]\0\nStatus=Enabled\n", 20), QByteArray(200'000, '\n'), QByteArray(200'000, '['),
         "\xEF\xBB\xBF"});
    const QByteArray store = many.left(many.indexOf("[13]"));
    QTemporaryDir dir(QFileInfo("/dev/shm").isWritable() ? "/dev/shm/lullwick-XXXXXX" : "");
    const QString path = dir.filePath("Lullwick.ini");
    QFile file(path);
    ScheduleList list;
    bool fixed = false;
    unsigned seed = qEnvironmentVariable("LULLWICK_TEST_SEED").toUInt(&fixed);
    std::mt19937_64 random(fixed ? seed : seed = std::random_device{}());
    const auto below = [&](qsizetype n) { return qsizetype(random() % quint64(n)); };
    for (int i = 0; i < 2'000 && !::testing::Test::HasFailure(); ++i) {
        SCOPED_TRACE(::testing::Message() << "file " << i << " of seed " << seed);
        QByteArray text =
            i < extremes.size() ? extremes[i] : store.left(below(4) ? store.size() : below(store.size()));
        for (int t = i < extremes.size() ? 0 : below(9); t > 0; --t) {
            const quint64 word = random();
            const QByteArray noise = QByteArray(reinterpret_cast<const char*>(&word), 8).repeated(below(32));
            const qsizetype at = below(text.size() + 1);
            // By nothing, bytes, another part (sections and keys twice), a piece of a line or value.
            text.replace(
                at, below(3) ? 0 : below(60),
                QList<QByteArray>({QByteArray(), noise, text.mid(below(at + 1), below(2000)), "\n[1]\n",
                                   "]\n", "\r", "\r\n", "=", "\\", "\nStatus=Enabled\n", "\nSound=", " 1.5 ",
                                   "1e309", "32768", "NaN", "١", "\xE2\x82", "13:61:00 PM"})[below(18)]);
        }
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
        file.close();
        list.clear();
        const StoredOptions options = loadSchedule(path, list);
        for (const auto& value :
             {options.EventSound, options.AbortBtn, options.Startup, options.LogFile, options.StartMin})
            EXPECT_TRUE(!value || (*value >= 0 && *value <= 2));
        EXPECT_TRUE(list.count() > 0 || options == StoredOptions{}); // options come with entries
        EXPECT_TRUE(i == 0 ? list.count() == MaxScheduleEntries : list.count() <= MaxScheduleEntries);
        const auto entries = entriesOf(list); // an entry without a status would end the saved schedule
        if (std::none_of(entries.begin(), entries.end(),
                         [](const ScheduleEntry& e) { return e.Status.isEmpty(); })) {
            EXPECT_EQ(saveSchedule(path, list, Options{}), "");
            list.clear();
            loadSchedule(path, list);
            EXPECT_EQ(entriesOf(list), entries);
        }
    }
}

// The store says why it loads nothing, and the program shows a window and ends on SIGTERM, where the
// settings file is a FIFO, a link to one or to a device, a folder, unreadable at its start (for
// root too: /proc/self/mem) or of 100 MB.
TEST(HostileFiles, TheStoreSaysWhyAndTheProgramRunsWhateverItsSettingsFileIs)
{
    TempEnvironment env;
    const QString fifo = env.root() + "/fifo", huge = env.root() + "/huge", path = Paths::settingsFile();
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QFile(huge).open(QIODevice::WriteOnly) && QFile::resize(huge, 100 * 1024 * 1024));
    for (const QString& target : {QString("a FIFO"), fifo, QString("/dev/zero"), QString("/dev/urandom"),
                                  QString("a folder"), QString("/proc/self/mem"), huge}) {
        QFile::remove(path);
        QDir(path).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        ASSERT_TRUE(target == "a FIFO"     ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0
                    : target == "a folder" ? QDir().mkpath(path)
                                           : QFile::link(target, path));
        ScheduleList list;
        const QString error = loadSchedule(path, list).error;
        EXPECT_TRUE(error.contains(path) && list.count() == 0)
            << qPrintable(target) << ": " << qPrintable(error);
        QProcess program;
        program.start(QStringLiteral(LULLWICK_PROGRAM), {"-platform", "xcb"});
        ASSERT_TRUE(program.waitForStarted());
        const QStringList search{"search", "--onlyvisible", "--pid", QString::number(program.processId())};
        EXPECT_TRUE(QTest::qWaitFor([&] { return QProcess::execute("xdotool", search) == 0; }, 20000))
            << qPrintable(target);
        program.terminate(); // SIGTERM
        EXPECT_TRUE(program.waitForFinished(20000)) << qPrintable(target);
    }
}
