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

DueEvent due(const char* kind, const char* frequency = "Daily", const char* position = "0")
{
    return {QStringLiteral("07:30:00 PM"), QLatin1String(kind), QLatin1String(frequency),
            QLatin1String(position)};
}

} // namespace

TEST(EventLog, LinesAreQuotedWithLocaleTimeAndDateAndOnlyEverAppended)
{
    TempEnvironment env;
    const QDateTime evening(QDate(2025, 3, 7), QTime(22, 15, 0));
    EXPECT_EQ(eventLogLine(QStringLiteral("PowerOff"), QDateTime(QDate(2025, 12, 24), QTime(7, 0, 0))),
              QStringLiteral("\"PowerOff at 7:00:00 AM on 12/24/2025\"\r\n"));
    const QString path = Paths::logFile();
    ASSERT_FALSE(QFile::exists(path));
    EXPECT_EQ(appendToEventLog(path, eventLogLine(QStringLiteral("Shutdown"), evening)), QString());
    EXPECT_EQ(appendToEventLog(path, eventLogLine(QStringLiteral("Logoff"), evening.addSecs(60))), QString());
    EXPECT_EQ(readAll(path), QByteArray("\"Shutdown at 10:15:00 PM on 3/7/2025\"\r\n"
                                        "\"Logoff at 10:16:00 PM on 3/7/2025\"\r\n"));
}

// The other things that may stand at the log's name are in the hostile files test.
TEST(EventLog, AFifoAsTheLogIsSkippedAtOnceAndDoesNotStopTheEvent)
{
    TempEnvironment env;
    MockClock clock(QDateTime(QDate(2026, 12, 7), QTime(19, 30, 0)));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(Paths::logFile()).absolutePath()));
    ASSERT_EQ(::mkfifo(QFile::encodeName(Paths::logFile()).constData(), 0600), 0);
    EXPECT_NE(appendToEventLog(Paths::logFile(), eventLogLine(QStringLiteral("Shutdown"), clock.now())),
              QString());
    Host host;
    FakePower power;
    EXPECT_TRUE(CompleteEvent(due("Shutdown"), host, power).ended);
    EXPECT_EQ(power.requests, std::vector<int>{5});
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
    EXPECT_FALSE(CompleteEvent(due("Reboot"), host, *createPowerActions()).ended);
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
    const struct {
        const char* kind;
        const char* frequency;
        std::vector<int> flags;
    } cases[] = {{"Shutdown", "Weekly", {5}},  {"Logoff", "Weekly", {4}},  {"Reboot", "Weekly", {6}},
                 {"PowerOff", "Weekly", {12}}, {"poweroff", "Weekly", {}}, {"", "Weekly", {}},
                 {"Reboot", "Monthly", {}}};
    for (const auto& c : cases) {
        Host host;
        host.log = false;
        FakePower power;
        CompleteEvent(due(c.kind, c.frequency), host, power);
        EXPECT_EQ(power.requests, c.flags) << c.kind << " " << c.frequency;
    }
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

    // The refusing request sees the entry already gone and saved.
    class Checking final : public PowerActions {
    public:
        explicit Checking(Host& h) : host(h) {}
        QString RequestExitWindows(int) override
        {
            seen = {host.list.count(), host.saves};
            return QStringLiteral("Access denied");
        }
        Host& host;
        std::pair<int, int> seen;
    } refusing(host);
    const Completion refused = CompleteEvent(due("Reboot", "Once", "1"), host, refusing);
    EXPECT_EQ(refusing.seen, std::pair(2, 1));
    EXPECT_FALSE(refused.ended);
    EXPECT_EQ(refused.refusal, QStringLiteral("Access denied"));
    EXPECT_EQ(env.programEnds, 0);
    ASSERT_EQ(host.list.count(), 3);
    EXPECT_EQ(host.list.record(1), QStringLiteral("12/1/2026 07:30:00 PM"));
    EXPECT_EQ(host.saves, 2);

    FakePower accepting;
    EXPECT_TRUE(CompleteEvent(due("Reboot", "Once", "1"), host, accepting).ended);
    CompleteEvent(due("Reboot", "Once", "7"), host, accepting); // a position no longer there removes nothing
    ASSERT_EQ(host.list.count(), 2);
    EXPECT_EQ(host.list.record(1), QStringLiteral("12/1/2026 07:31:00 PM"));
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
