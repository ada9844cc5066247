// The last step of a due event, with its log, against a fake logind. Each case runs in a
// process of its own (one fake logind per process).
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
    bool logEnabled() const override { return true; }
    ScheduleList& schedule() override { return list; }
    QString saveQuietly() override
    {
        ++saves;
        return {};
    }
    ScheduleList list;
    int saves = 0;
};

MockCall call(const char* object, const char* method, const QVariantList& args = {})
{
    return {QStringLiteral("/org/freedesktop/login1") + QLatin1String(object), QLatin1String(method), args};
}

} // namespace

// Each kind makes its one logind request, others none, and the log, only ever appended to,
// gets its line. A "Once" entry is saved away before the request, and put back where it was
// and saved when the system refuses, which the log tells with the system's reason.
TEST(CompleteEvent, EachKindMakesItsLogindRequestAndARefusalIsLoggedWithTheReason)
{
    FakeLogind logind;
    ASSERT_TRUE(logind.isRunning());
    const auto power = createPowerActions();
    const struct {
        const char* kind;
        const char* frequency;
        const char* fail; // from this row on, logind refuses this method
        QList<MockCall> calls;
        bool refused;
    } rows[] = {
        {"Shutdown", "Weekly", "", {call("", "PowerOff", {false})}, false},
        {"PowerOff", "Daily", "", {call("", "PowerOff", {false})}, false},
        {"Reboot", "Once", "", {call("", "Reboot", {false})}, false},
        {"Logoff",
         "WeekDays",
         "",
         {call("", "GetSessionByPID", {0u}), call("/session/c1", "Terminate")},
         false},
        {"poweroff", "Daily", "", {}, false},
        {"Reboot", "Monthly", "", {}, false},
        {"Logoff",
         "Daily",
         "GetSessionByPID",
         {call("", "GetSessionByPID", {0u}), call("/session/auto", "Terminate")},
         false},
        {"Reboot", "Once", "Reboot", {call("", "Reboot", {false})}, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.kind) + " " + row.frequency);
        TempEnvironment env;
        MockClock clock(QDateTime(QDate(2026, 12, 7), QTime(19, 30, 0)));
        ASSERT_EQ(appendToEventLog(Paths::logFile(), QStringLiteral("older\r\n")), QString());
        Host host;
        for (const char* record : {"12/1/2026 07:29:00 PM", "12/1/2026 07:30:00 PM", "12/1/2026 07:31:00 PM"})
            host.list.append({QLatin1String(record), QStringLiteral("Enabled"), QStringLiteral("Once"),
                              QStringLiteral("Reboot")});
        logind.clearCalls();
        ASSERT_TRUE(!*row.fail ||
                    logind.makeFail(QLatin1String(row.fail), QStringLiteral("Permission denied")));
        const DueEvent due{QStringLiteral("07:30:00 PM"), QLatin1String(row.kind),
                           QLatin1String(row.frequency), QStringLiteral("1")};
        EXPECT_EQ(CompleteEvent(due, host, *power).ended, !row.refused);
        EXPECT_EQ(logind.calls(), row.calls);
        const QString refusal =
            QStringLiteral("\"Reboot refused at 7:30:00 PM on 12/7/2026: Permission denied\"\r\n");
        EXPECT_EQ(readAll(Paths::logFile()),
                  QStringLiteral("older\r\n\"%1 at 7:30:00 PM on 12/7/2026\"\r\n%2")
                      .arg(QLatin1String(row.kind), row.refused ? refusal : QString())
                      .toUtf8());
        const bool removed = due.Frequency == u"Once" && !row.refused;
        EXPECT_EQ(host.list.record(1), removed ? "12/1/2026 07:31:00 PM" : "12/1/2026 07:30:00 PM");
        EXPECT_EQ(host.list.count(), removed ? 2 : 3);
        EXPECT_EQ(host.saves, row.refused ? 2 : 1);
        EXPECT_EQ(env.programEnds, row.refused ? 0 : 1);
    }
}

// What may stand at the log's name is neither waited for, written nor read, and the event goes on.
TEST(EventLog, AFifoADeviceOrAFolderAsTheLogIsRefusedAtOnce)
{
    for (const char* what : {"fifo", "device", "folder"}) {
        SCOPED_TRACE(what);
        TempEnvironment env;
        const QString log = Paths::logFile();
        ASSERT_TRUE(QDir().mkpath(QFileInfo(log).absolutePath()));
        ASSERT_TRUE(what == std::string("fifo")     ? ::mkfifo(QFile::encodeName(log).constData(), 0600) == 0
                    : what == std::string("device") ? QFile::link(QStringLiteral("/dev/null"), log)
                                                    : QDir().mkdir(log));
        Host host;
        FakePower power;
        MockClock clock(QDateTime(QDate(2026, 12, 7), QTime(19, 30, 0)));
        const DueEvent due{QStringLiteral("07:30:00 PM"), QStringLiteral("Shutdown"), QStringLiteral("Daily"),
                           QStringLiteral("0")};
        EXPECT_TRUE(CompleteEvent(due, host, power).ended);
        EXPECT_EQ(power.requests, std::vector<int>{PowerFlags::Shutdown});
        EXPECT_NE(appendToEventLog(log, QStringLiteral("line\r\n")), QString());
        const QString reason =
            what == std::string("folder") ? qt_error_string(EISDIR) : QStringLiteral("not a regular file");
        EXPECT_TRUE(LogViewer(log).load().contains(reason)) << LogViewer(log).load().toStdString();
    }
}

// The clip plays from the program's resources: a "warning.wav" in the current folder, here a
// link to a file of the user's, is neither read nor written.
TEST(WarningSound, PlaysWithoutTouchingAnyFile)
{
    TempEnvironment env;
    QFile own(QStringLiteral("own.txt"));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly) && own.write("the user's") == 10);
    own.close();
    ASSERT_TRUE(QFile::link(QStringLiteral("own.txt"), QStringLiteral("warning.wav")));
    const auto sound = createWarningSound();
    for (const bool enabled : {false, true, true})
        sound->PlayWarningSound(enabled);
    EXPECT_EQ(readAll(QStringLiteral("own.txt")), QByteArray("the user's"));
    EXPECT_EQ(QDir().entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
              (QStringList{"own.txt", "warning.wav"}));
}
