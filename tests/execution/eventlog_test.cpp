#include "desktop/paths.h"
#include "desktop/regularfile.h"
#include "execution/completeevent.h"
#include "execution/eventlog.h"
#include "logviewer/logviewer.h"
#include "support/fakelogind.h"
#include "support/fakes.h"
#include "support/mockclock.h"
#include "support/tempenvironment.h"

#include <QDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

class Host final : public CompletionHost {
public:
    bool logEnabled() const override { return true; }
    ScheduleList& entries() override { return list; }
    QString saveQuietly() override
    {
        ++saves;
        return {};
    }
    ScheduleList list;
    int saves = 0;
};

// Each kind makes its one logind request, others none, and the log, only ever appended to, gets
// its line. A "Once" entry is saved away before the request; when the system refuses, it is put
// back where it was and saved, and the log tells the system's reason.
TEST(CompleteEvent, EachKindMakesItsLogindRequestAndARefusalIsLoggedWithTheReason)
{
    FakeLogind logind;
    const auto power = createPowerActions();
    const QString m = "/org/freedesktop/login1";
    const MockCall byPid = {m, "GetSessionByPID", {0u}};
    const struct {
        const char *kind, *frequency, *fail; // from this row on logind refuses `fail`
        QList<MockCall> calls;
    } rows[] = {
        {"Shutdown", "Weekly", "", {{m, "PowerOff", {false}}}},
        {"PowerOff", "Daily", "", {{m, "PowerOff", {false}}}},
        {"Reboot", "Once", "", {{m, "Reboot", {false}}}},
        {"Logoff", "WeekDays", "", {byPid, {m + "/session/c1", "Terminate", {}}}},
        {"poweroff", "Daily", "", {}},
        {"Reboot", "Monthly", "", {}},
        {"Logoff", "Daily", "GetSessionByPID", {byPid, {m + "/session/auto", "Terminate", {}}}},
        {"Reboot", "Once", "Reboot", {{m, "Reboot", {false}}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.kind) + " " + row.frequency);
        TempEnvironment env;
        MockClock clock(QDateTime(QDate(2026, 12, 7), QTime(19, 30, 0)));
        ASSERT_EQ(appendToEventLog(Paths::logFile(), "older\r\n"), "");
        Host host;
        for (const char* record : {"12/1/2026 07:29:00 PM", "12/1/2026 07:30:00 PM", "12/1/2026 07:31:00 PM"})
            host.list.append({record, "Enabled", "Once", "Reboot"});
        ASSERT_TRUE(!*row.fail || logind.makeFail(row.fail, "Permission denied"));
        const bool refused = !qstrcmp(row.fail, row.kind),
                   removed = !qstrcmp(row.frequency, "Once") && !refused;
        EXPECT_EQ(CompleteEvent({"07:30:00 PM", row.kind, row.frequency, "1"}, host, *power).ended, !refused);
        EXPECT_EQ(logind.calls(), row.calls);
        EXPECT_EQ(
            readRegularFile(Paths::logFile(), 1000).data,
            "older\r\n\"" + QByteArray(row.kind) + " at 7:30:00 PM on 12/7/2026\"\r\n" +
                (refused ? "\"Reboot refused at 7:30:00 PM on 12/7/2026: Permission denied\"\r\n" : ""));
        EXPECT_EQ(host.list.record(1), removed ? "12/1/2026 07:31:00 PM" : "12/1/2026 07:30:00 PM");
        EXPECT_EQ(host.list.count(), removed ? 2 : 3);
        EXPECT_EQ(host.saves, refused ? 2 : 1);
        EXPECT_EQ(env.programEnds, refused ? 0 : 1);
    }
}
// What may stand at the log's name is neither waited for, written nor read; the event goes on.
TEST(EventLog, AFifoADeviceOrAFolderAsTheLogIsRefusedAtOnce)
{
    for (const std::string what : {"fifo", "device", "folder"}) {
        SCOPED_TRACE(what);
        TempEnvironment env;
        const QString log = Paths::logFile();
        ASSERT_TRUE(QDir().mkpath(QFileInfo(log).absolutePath()));
        ASSERT_TRUE(what == "fifo"     ? ::mkfifo(QFile::encodeName(log).constData(), 0600) == 0
                    : what == "device" ? QFile::link("/dev/null", log)
                                       : QDir().mkdir(log));
        Host host;
        FakePower power;
        EXPECT_TRUE(CompleteEvent({"07:30:00 PM", "Shutdown", "Daily", "0"}, host, power).ended);
        EXPECT_EQ(power.requests, std::vector<int>{PowerFlags::Shutdown});
        EXPECT_NE(appendToEventLog(log, "line\r\n"), "");
        const QString shown = LogViewer(log).load();
        EXPECT_TRUE(shown.contains(what == "folder" ? qt_error_string(EISDIR) : "not a regular file"))
            << qPrintable(shown);
    }
}
// The line follows the user's locale, with seconds and without the time zone and what sets it off:
// brackets, a comma, blanks. CTest runs this once in each row's locale (CMakeLists.txt); the row of
// the locale it runs in is checked.
TEST(EventLog, LineInTheUsersLocaleHasNoTimeZone)
{
    const struct {
        const char *locale, *line;
    } rows[] = {
        {"en_US", "Reboot at 7:49:06 PM on 12/7/2026"},  // h:mm:ss AP t
        {"fa_IR", "Reboot at ۱۹:۴۹:۰۶ on ۲۰۲۶/۱۲/۷"},    // H:mm:ss (t)
        {"zh_HK", "Reboot at 下午7:49:06 on 7/12/2026"}, // APh:mm:ss [t]
        {"be_BY", "Reboot at 19:49:06 on 7.12.2026"},    // HH:mm:ss, t
        {"zh_CN", "Reboot at 19:49:06 on 2026/12/7"},    // t HH:mm:ss
        {"fr_CH", "Reboot at 19.49:06 h on 07.12.2026"}, // HH.mm:ss 'h' t
    };
    const QString locale = QLocale::system().name();
    const auto row =
        std::find_if(std::begin(rows), std::end(rows), [&](const auto& r) { return locale == r.locale; });
    ASSERT_NE(row, std::end(rows)) << "no row for " << locale.toStdString();
    EXPECT_EQ(eventLogLine("Reboot", QDateTime(QDate(2026, 12, 7), QTime(19, 49, 6))).toStdString(),
              "\"" + std::string(row->line) + "\"\r\n");
}
