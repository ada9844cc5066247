// The clock changes as the watcher reports them: the time zone's (a zone file in a folder of the
// test's own, timedated on a private system bus (fakeservice.py), and /etc/localtime itself in a
// mount namespace of its own) and a wake from sleep (the fake logind).
#include "desktop/clockchange.h"

#include <QCoreApplication>
#include <QDBusInterface>
#include <QDateTime>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <gtest/gtest.h>
#include <sys/mount.h>

// The signals `change` gives: waits up to 10 s for the `expected` ones (1 s when none is), then
// until none has come for half a second.
static qsizetype signalsAfter(ClockChangeWatcher& watcher, qsizetype expected,
                              const std::function<void()>& change)
{
    QSignalSpy spy(&watcher, &ClockChangeWatcher::timeZoneChanged);
    change();
    (void)QTest::qWaitFor([&] { return spy.count() >= std::max<qsizetype>(expected, 1); },
                          expected ? 10000 : 1000);
    while (spy.wait(500)) {
    }
    return spy.count();
}
static void shell(const QString& folder, const QString& command)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start("/bin/sh", {"-ec", command});
    EXPECT_TRUE(process.waitForFinished() && process.exitCode() == 0) << qPrintable(command);
}

// Each way the zone file is replaced, written or removed gives one signal, however many steps
// it takes; another file of the folder gives none.
TEST(TimeZoneChange, EachChangeOfTheZoneFileGivesOneSignal)
{
    QTemporaryDir folder;
    shell(folder.path(), "ln -s /usr/share/zoneinfo/Etc/UTC localtime");
    ClockChangeWatcher watcher(nullptr, folder.filePath("localtime"));
    for (const auto& [command, expected] : {
             std::pair{"ln -s /usr/share/zoneinfo/Asia/Tokyo new && mv -T new localtime", 1}, // timedatectl
             {"rm localtime && ln -s /usr/share/zoneinfo/Europe/Berlin localtime", 1},
             {"rm localtime && cp /usr/share/zoneinfo/Asia/Tokyo localtime", 1},
             {"cat /usr/share/zoneinfo/Europe/Berlin >localtime", 1},
             {"rm localtime", 1},
             {"echo 0.0 0 0.0 >adjtime && mv adjtime adjtime2 && rm adjtime2", 0},
             {"ln -s /usr/share/zoneinfo/Etc/UTC localtime", 1},
         })
        EXPECT_EQ(signalsAfter(watcher, expected, [&] { shell(folder.path(), command); }), expected)
            << command;
}

// timedated's Timezone gives a signal; its other properties do not.
TEST(TimeZoneChange, TimedatesTimezoneGivesOneSignal)
{
    ClockChangeWatcher watcher;
    QDBusInterface timedate("org.freedesktop.timedate1", "/org/freedesktop/timedate1",
                            "org.freedesktop.timedate1", QDBusConnection::systemBus());
    ASSERT_TRUE(timedate.isValid()) << "no fake timedated";
    EXPECT_EQ(signalsAfter(watcher, 0, [&] { timedate.call("SetNTP", false, false); }), 0);
    EXPECT_EQ(signalsAfter(watcher, 1, [&] { timedate.call("SetTimezone", "Asia/Tokyo", false); }), 1);
}

// By the signal, local time is that of the new zone: no cache of Qt or the C library holds the
// old one. Runs again in a mount namespace with a folder of its own on /etc.
TEST(TimeZoneChange, LocalTimeFollowsAReplacedEtcLocaltime)
{
    if (qEnvironmentVariableIsEmpty("LULLWICK_OWN_ETC")) {
        QProcess self;
        self.setProcessChannelMode(QProcess::MergedChannels);
        self.start("unshare",
                   {"--user", "--map-root-user", "--mount", "env", "-u", "TZ", "LULLWICK_OWN_ETC=1",
                    QCoreApplication::applicationFilePath(), "--gtest_filter=*.LocalTimeFollows*"});
        const bool ran = self.waitForFinished();
        const QByteArray output = self.readAll();
        if (!ran || output.contains("unshare failed"))
            GTEST_SKIP() << "no mount namespace of our own here";
        EXPECT_EQ(self.exitCode(), 0) << output.toStdString();
        return;
    }
    QTemporaryDir etc;
    ASSERT_EQ(::mount(etc.path().toLocal8Bit(), "/etc", nullptr, MS_BIND, nullptr), 0);
    shell("/etc", "ln -s /usr/share/zoneinfo/Etc/UTC localtime");
    ClockChangeWatcher watcher;
    EXPECT_EQ(QDateTime::currentDateTime().offsetFromUtc(), 0);
    EXPECT_EQ(signalsAfter(
                  watcher, 1,
                  [] { shell("/etc", "ln -s ../usr/share/zoneinfo/Asia/Tokyo new && mv -T new localtime"); }),
              1);
    EXPECT_EQ(QDateTime::currentDateTime().offsetFromUtc(), 9 * 3600);
    EXPECT_EQ(QTimeZone::systemTimeZoneId(), "Asia/Tokyo");
}

// logind's word after a sleep gives resumed(); its word before one does not.
TEST(ClockChange, OnlyTheWakeFromSleepGivesResumed)
{
    ClockChangeWatcher watcher;
    QSignalSpy resumed(&watcher, &ClockChangeWatcher::resumed);
    for (const bool sleeping : {true, false}) {
        QDBusMessage word = QDBusMessage::createMethodCall("org.freedesktop.login1", "/org/freedesktop/login1",
                                                           "org.freedesktop.DBus.Mock", "EmitSignal");
        word << "org.freedesktop.login1.Manager" << "PrepareForSleep" << "b" << QVariantList{sleeping};
        ASSERT_NE(QDBusConnection::systemBus().call(word).type(), QDBusMessage::ErrorMessage) << "no fake logind";
        resumed.wait(sleeping ? 500 : 5000);
        EXPECT_EQ(resumed.count(), sleeping ? 0 : 1) << sleeping;
    }
}
