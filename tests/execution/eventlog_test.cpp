#include "desktop/paths.h"
#include "execution/completeevent.h"
#include "execution/eventlog.h"
#include "execution/shutdown.h"
#include "logviewer/logviewer.h"
#include "schedule/schedulelist.h"
#include "support/fakelogind.h"
#include "support/fakes.h"
#include "support/mockclock.h"
#include "support/tempenvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class Host final : public CompletionHost {
public:
    bool logEnabled() const override { return log; }
    ScheduleList& schedule() override { return list; }
    QString saveQuietly() override
    {
        ++saves;
        return {};
    }

    bool log = true;
    ScheduleList list;
    int saves = 0;
};

} // namespace

TEST(EventLog, LinesAreQuotedWithLocaleTimeAndDateAndOnlyEverAppended)
{
    TempEnvironment env;
    const QDateTime evening(QDate(2025, 3, 7), QTime(22, 15, 0));
    EXPECT_EQ(eventLogLine(QStringLiteral("Reboot"), evening),
              QStringLiteral("\"Reboot at 10:15:00 PM on 3/7/2025\"\r\n"));
    EXPECT_EQ(eventLogLine(QStringLiteral("PowerOff"), QDateTime(QDate(2025, 12, 24), QTime(7, 0, 0))),
              QStringLiteral("\"PowerOff at 7:00:00 AM on 12/24/2025\"\r\n"));

    const QString path = Paths::logFile();
    ASSERT_FALSE(QFile::exists(path));
    EXPECT_EQ(appendToEventLog(path, eventLogLine(QStringLiteral("Shutdown"), evening)), QString());
    EXPECT_EQ(appendToEventLog(path, eventLogLine(QStringLiteral("Logoff"), evening.addSecs(60))), QString());
    EXPECT_EQ(readAll(path), QByteArray("\"Shutdown at 10:15:00 PM on 3/7/2025\"\r\n"
                                        "\"Logoff at 10:16:00 PM on 3/7/2025\"\r\n"));
}

TEST(EventLog, ALogThatIsNoRegularFileIsSkippedAtOnceAndDoesNotStopTheEvent)
{
    MockClock clock(QDateTime(QDate(2026, 12, 7), QTime(19, 30, 0)));
    const struct {
        const char* name;
        std::function<void(const QString& path)> make;
    } cases[] = {
        {"folder", [](const QString& path) { QDir().mkpath(path); }},
        {"FIFO", [](const QString& path) { ::mkfifo(QFile::encodeName(path).constData(), 0600); }},
        {"link to a FIFO",
         [](const QString& path) {
             ::mkfifo(QFile::encodeName(path + QStringLiteral(".fifo")).constData(), 0600);
             QFile::link(path + QStringLiteral(".fifo"), path);
         }},
        {"link to /dev/zero", [](const QString& path) { QFile::link(QStringLiteral("/dev/zero"), path); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempEnvironment env;
        QDir().mkpath(QFileInfo(Paths::logFile()).absolutePath());
        c.make(Paths::logFile());
        EXPECT_NE(appendToEventLog(Paths::logFile(), eventLogLine(QStringLiteral("Shutdown"), clock.now())),
                  QString());
        Host host;
        FakePower power;
        const Completion done = CompleteEvent({QStringLiteral("07:30:00 PM"), QStringLiteral("Shutdown"),
                                               QStringLiteral("Daily"), QStringLiteral("0")},
                                              host, power);
        EXPECT_TRUE(done.ended);
        EXPECT_EQ(power.requests, std::vector<int>{5});
    }
}

TEST(CompleteEvent, ARefusedRequestAddsALineWithTheSystemsReasonAndTheViewerShowsBoth)
{
    FakeLogind logind;
    ASSERT_TRUE(logind.makeFail(
        FakeLogind::ManagerPath, FakeLogind::ManagerInterface, QStringLiteral("Reboot"),
        QStringLiteral("org.freedesktop.DBus.Error.AccessDenied"), QStringLiteral("Permission denied")));
    TempEnvironment env;
    MockClock clock(QDateTime(QDate(2026, 12, 7), QTime(19, 30, 0)));
    Host host;
    const auto power = createPowerActions();
    const Completion done = CompleteEvent({QStringLiteral("07:30:00 PM"), QStringLiteral("Reboot"),
                                           QStringLiteral("Daily"), QStringLiteral("0")},
                                          host, *power);
    EXPECT_FALSE(done.ended);
    const QByteArray expected = "\"Reboot at 7:30:00 PM on 12/7/2026\"\r\n"
                                "\"Reboot refused at 7:30:00 PM on 12/7/2026: Permission denied\"\r\n";
    EXPECT_EQ(readAll(Paths::logFile()), expected);
    LogViewer viewer(Paths::logFile());
    EXPECT_EQ(viewer.load(), QString());
    EXPECT_EQ(viewer.logText(), QString::fromLatin1(expected));
}

TEST(CompleteEvent, EachKindMakesOneRequestAndUnknownKindsOrFrequenciesMakeNone)
{
    TempEnvironment env;
    MockClock clock(QDateTime(QDate(2026, 12, 7), QTime(19, 30, 0)));
    const std::pair<const char*, std::vector<int>> kinds[] = {
        {"Shutdown", {5}}, {"Logoff", {4}}, {"Reboot", {6}}, {"PowerOff", {12}}, {"poweroff", {}}, {"", {}}};
    for (const auto& [kind, flags] : kinds) {
        Host host;
        host.log = false;
        FakePower power;
        CompleteEvent({QStringLiteral("07:30:00 PM"), QLatin1String(kind), QStringLiteral("Weekly"),
                       QStringLiteral("0")},
                      host, power);
        EXPECT_EQ(power.requests, flags) << kind;
    }
    Host host;
    FakePower power;
    CompleteEvent({QStringLiteral("07:30:00 PM"), QStringLiteral("Reboot"), QStringLiteral("Monthly"),
                   QStringLiteral("0")},
                  host, power);
    EXPECT_TRUE(power.requests.empty());
    EXPECT_EQ(env.programEnds, 7) << "the program ends in every case";
}

TEST(CompleteEvent, OnceEntryIsRemovedAndSavedBeforeTheRequestAndPutBackWhenRefused)
{
    TempEnvironment env;
    MockClock clock(QDateTime(QDate(2026, 12, 7), QTime(19, 30, 0)));
    Host host;
    host.log = false;
    for (const char* record : {"12/1/2026 07:29:00 PM", "12/1/2026 07:30:00 PM", "12/1/2026 07:31:00 PM"})
        host.list.append({QLatin1String(record), QStringLiteral("Enabled"), QStringLiteral("Once"),
                          QStringLiteral("Reboot")});
    const DueEvent due{QStringLiteral("07:30:00 PM"), QStringLiteral("Reboot"), QStringLiteral("Once"),
                       QStringLiteral("1")};

    // The refusing request sees the entry already gone and saved.
    class Checking final : public PowerActions {
    public:
        explicit Checking(Host& h) : host(h) {}
        QString RequestExitWindows(int) override
        {
            countAtRequest = host.list.count();
            savesAtRequest = host.saves;
            return QStringLiteral("Access denied");
        }
        Host& host;
        int countAtRequest = -1;
        int savesAtRequest = -1;
    } refusing(host);
    const Completion refused = CompleteEvent(due, host, refusing);
    EXPECT_EQ(refusing.countAtRequest, 2);
    EXPECT_EQ(refusing.savesAtRequest, 1);
    EXPECT_FALSE(refused.ended);
    EXPECT_EQ(refused.refusal, QStringLiteral("Access denied"));
    EXPECT_EQ(env.programEnds, 0);
    ASSERT_EQ(host.list.count(), 3);
    EXPECT_EQ(host.list.record(1), QStringLiteral("12/1/2026 07:30:00 PM"));
    EXPECT_EQ(host.saves, 2);

    FakePower accepting;
    EXPECT_TRUE(CompleteEvent(due, host, accepting).ended);
    EXPECT_EQ(host.list.count(), 2);
    EXPECT_EQ(host.list.record(1), QStringLiteral("12/1/2026 07:31:00 PM"));

    // A position that no longer exists removes nothing.
    CompleteEvent({due.DueTime, due.EventKind, due.Frequency, QStringLiteral("7")}, host, accepting);
    EXPECT_EQ(host.list.count(), 2);
}

// The clip plays from the program's resources: a "warning.wav" in the current folder, here a
// link to a file of the user's, is neither read nor written, whether the sound is on or off.
TEST(WarningSound, PlaysWithoutTouchingAnyFile)
{
    TempEnvironment env;
    QFile target(QStringLiteral("own.txt"));
    ASSERT_TRUE(target.open(QIODevice::WriteOnly) && target.write("the user's") == 10);
    target.close();
    ASSERT_TRUE(QFile::link(QStringLiteral("own.txt"), QStringLiteral("warning.wav")));
    const auto sound = createWarningSound();
    for (const bool enabled : {false, true, true})
        sound->PlayWarningSound(enabled);
    EXPECT_EQ(readAll(QStringLiteral("own.txt")), QByteArray("the user's"));
    EXPECT_EQ(QDir().entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
              (QStringList{"own.txt", "warning.wav"}));
}
