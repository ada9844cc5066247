#include "desktop/paths.h"
#include "desktop/regularfile.h"
#include "execution/completeevent.h"
#include "execution/eventaction.h"
#include "execution/eventlog.h"
#include "execution/shutdown_linux.h"
#include "logviewer/logviewer.h"
#include "scheduler/scheduler.h"
#include "support/fakelogind.h"
#include "support/fakes.h"
#include "support/mockclock.h"
#include "support/tempenvironment.h"

#include <QDBusConnectionInterface>
#include <QDir>
#include <QTest>
#include <gtest/gtest.h>
#include <list>
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
// back where it was and saved, and the log tells the reason. The program ends after the first
// four kinds only. Each kind has its words for a message.
TEST(CompleteEvent, EachKindMakesItsLogindRequestAndARefusalIsLoggedWithTheReason)
{
    FakeLogind logind;
    const auto power = createPowerActions();
    const QString m = "/org/freedesktop/login1";
    const MockCall byPid = {m, "GetSessionByPID", {0u}};
    const struct {
        const char *kind, *frequency, *fail; // from this row on logind refuses `fail`
        bool ends;
        const char* words;
        QList<MockCall> calls;
    } rows[] = {
        {"Shutdown", "Weekly", "", true, "shut down the computer", {{m, "PowerOff", {false}}}},
        {"PowerOff", "Daily", "", true, "power off the computer", {{m, "PowerOff", {false}}}},
        {"Reboot", "Once", "", true, "restart the computer", {{m, "Reboot", {false}}}},
        {"Logoff", "WeekDays", "", true, "log you off", {byPid, {m + "/session/c1", "Terminate", {}}}},
        {"Suspend", "Once", "", false, "suspend the computer", {{m, "Suspend", {false}}}},
        {"Hibernate", "Daily", "", false, "hibernate the computer", {{m, "Hibernate", {false}}}},
        {"Lock", "Weekly", "", false, "lock the screen", {byPid, {m + "/session/c1", "Lock", {}}}},
        {"poweroff", "Daily", "", true, "carry out \"poweroff\"", {}},
        {"Reboot", "Monthly", "", true, "restart the computer", {}},
        {"Logoff",
         "Daily",
         "GetSessionByPID",
         true,
         "log you off",
         {byPid, {m + "/session/auto", "Terminate", {}}}},
        {"Lock", "Once", "", false, "lock the screen", {byPid, {m + "/session/auto", "Lock", {}}}},
        {"Reboot", "Once", "Reboot", false, "restart the computer", {{m, "Reboot", {false}}}},
        {"Suspend", "Once", "Suspend", false, "suspend the computer", {{m, "Suspend", {false}}}},
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
        EXPECT_EQ(CompleteEvent({"07:30:00 PM", row.kind, row.frequency, "1"}, host, *power).accepted,
                  !refused);
        EXPECT_EQ(logind.requests(), row.calls);
        const QByteArray kind = row.kind, at = " at 7:30:00 PM on 12/7/2026";
        EXPECT_EQ(readRegularFile(Paths::logFile(), 1000).data,
                  "older\r\n\"" + kind + at + "\"\r\n" +
                      (refused
                           ? '"' + kind + " refused" + at + ": the system refused (Permission denied)\"\r\n"
                           : ""));
        EXPECT_EQ(host.list.record(1), removed ? "12/1/2026 07:31:00 PM" : "12/1/2026 07:30:00 PM");
        EXPECT_EQ(host.list.count(), removed ? 2 : 3);
        EXPECT_EQ(host.saves, refused ? 2 : 1);
        EXPECT_EQ(env.programEnds, row.ends ? 1 : 0);
        EXPECT_EQ(eventActionText(row.kind), row.words);
    }
}
// A log-off goes first to the desktop's session manager (KDE's, else GNOME's without its dialog),
// which lets programs save, and the program goes on; if it is still there after the grace period,
// logind ends the session. Where no desktop takes it, logind ends the session at once.
TEST(CompleteEvent, ALogoffAsksTheDesktopFirstAndLogindEndsTheSessionAfterTheGracePeriod)
{
    FakeLogind logind;
    LogindPowerActions power(std::chrono::milliseconds(1));
    const QString kde = "org.kde.Shutdown", gnome = "org.gnome.SessionManager",
                  gnomePath = "/org/gnome/SessionManager";
    const QList<MockCall> terminate = {{"/org/freedesktop/login1", "GetSessionByPID", {0u}},
                                       {"/org/freedesktop/login1/session/c1", "Terminate", {}}};
    std::list<QProcess> desktops;
    const struct {
        QString start, kdeCode; // a desktop's stand-in started before the row; what KDE's logout does
        QList<MockCall> asked;
    } rows[] = {
        {"", "", {}},
        {gnome, "", {{gnomePath, "Logout", {1u}}}},
        {kde, "", {{"/Shutdown", "logout", {}}}},
        {"",
         "raise dbus.exceptions.DBusException('no', name='org.kde.Failed')",
         {{"/Shutdown", "logout", {}}, {gnomePath, "Logout", {1u}}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.asked.size());
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!row.start.isEmpty()) {
            const QString path = row.start == kde ? "/Shutdown" : gnomePath;
            desktops.emplace_back().start("/usr/bin/python3",
                                          {"-m", "dbusmock", "--session", row.start, path, row.start});
            ASSERT_TRUE(
                QTest::qWaitFor([&] { return bus.interface()->isServiceRegistered(row.start).value(); }));
            callMock(bus, row.start, path, "AddMethod",
                     {"", row.start == kde ? "logout" : "Logout", row.start == kde ? "" : "u", "", ""});
        }
        if (!row.kdeCode.isEmpty())
            callMock(bus, kde, "/Shutdown", "AddMethod", {"", "logout", "", "", row.kdeCode});
        TempEnvironment env;
        Host host;
        EXPECT_TRUE(CompleteEvent({"07:30:00 PM", "Logoff", "Daily", "0"}, host, power).accepted);
        QList<MockCall> asked;
        for (const auto& [service, path] : {std::pair(kde, QString("/Shutdown")), {gnome, gnomePath}})
            if (bus.interface()->isServiceRegistered(service).value()) {
                asked << mockCalls(bus, service, path);
                callMock(bus, service, path, "ClearCalls");
            }
        EXPECT_EQ(asked, row.asked);
        EXPECT_EQ(env.programEnds, row.asked.isEmpty() ? 1 : 0);
        EXPECT_EQ(logind.requests(), row.asked.isEmpty() ? terminate : QList<MockCall>());
        QList<MockCall> later;
        if (!row.asked.isEmpty()) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return (later << logind.requests()).size() >= 2; }));
        }
        EXPECT_EQ(later, row.asked.isEmpty() ? QList<MockCall>() : terminate);
    }
    for (QProcess& desktop : desktops)
        desktop.terminate(), desktop.waitForFinished();
}
// The reason for a refusal in plain words, then the system's own message.
TEST(LogindPowerActions, ARefusalSaysInPlainWordsWhatTheSystemAnswered)
{
    FakeLogind logind;
    const auto power = createPowerActions();
    const QString e = "org.freedesktop.DBus.Error.";
    const struct {
        QString name, message, reason;
    } rows[] = {
        {e + "InteractiveAuthorizationRequired", "Interactive authentication required.",
         "the system asked for a password (Interactive authentication required.)"},
        {e + "AccessDenied", "Permission denied", "you are not allowed to do this (Permission denied)"},
        {e + "ServiceUnknown", "No logind", "the system's power service did not answer (No logind)"},
        {e + "NoReply", "Did not receive a reply",
         "the system's power service did not answer (Did not receive a reply)"},
        {e + "UnknownMethod", "No Suspend", "the system's power service does not offer this (No Suspend)"},
        {"org.freedesktop.login1.SleepVerbNotSupported", "No swap",
         "the system's power service does not offer this (No swap)"},
        {"org.freedesktop.login1.OperationInProgress", "Busy", "the system refused (Busy)"},
        {e + "Failed", "", "the system refused (org.freedesktop.DBus.Error.Failed)"},
    };
    for (const auto& row : rows) {
        ASSERT_TRUE(logind.makeFail("Suspend", row.message, row.name));
        EXPECT_EQ(power->RequestExitWindows(PowerFlags::Suspend), row.reason);
    }
}
// Without a system bus every event is offered, and a request says that nobody answered.
TEST(LogindPowerActions, WithoutASystemBusEverythingIsOfferedAndARequestSaysNobodyAnswered)
{
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/bus");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
    const auto power = createPowerActions();
    for (const QString& event : Values::Events)
        EXPECT_TRUE(power->canCarryOut(event)) << qPrintable(event);
    for (const int flags : {PowerFlags::Reboot, PowerFlags::Logoff, PowerFlags::Hibernate})
        EXPECT_TRUE(
            power->RequestExitWindows(flags).startsWith("the system's power service did not answer ("));
}
// Suspend and Hibernate are offered where logind says "yes" or "challenge", or cannot say; it is
// asked once in the program's run, however often the selectors are filled.
TEST(LogindPowerActions, SuspendAndHibernateAreOfferedWhereLogindSaysTheyCanBeAskedOnce)
{
    FakeLogind logind;
    const QString m = "/org/freedesktop/login1", fail = "raise dbus.exceptions.DBusException('no')";
    const struct {
        const char *suspend, *hibernate;
        QStringList notOffered;
    } rows[] = {
        {"yes", "yes", {}},
        {"challenge", "na", {"Hibernate"}},
        {"no", "challenge", {"Suspend"}},
        {"", "na", {"Hibernate"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.suspend) + " " + row.hibernate);
        for (const auto& [method, answer] :
             {std::pair("CanSuspend", row.suspend), {"CanHibernate", row.hibernate}})
            ASSERT_TRUE(logind.setMethod(method, *answer ? QString("ret = '") + answer + "'" : fail));
        const auto power = createPowerActions();
        FakeSound sound;
        FakeStartup startup;
        Scheduler scheduler({*power, sound, startup});
        QStringList offered = Values::Events;
        for (const QString& event : row.notOffered)
            offered.removeOne(event);
        EXPECT_EQ(scheduler.offeredEvents(), offered);
        EXPECT_EQ(scheduler.offeredEvents(), offered);
        EXPECT_EQ(logind.calls(), QList<MockCall>({{m, "CanSuspend", {}}, {m, "CanHibernate", {}}}));
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
        EXPECT_TRUE(CompleteEvent({"07:30:00 PM", "Shutdown", "Daily", "0"}, host, power).accepted);
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
