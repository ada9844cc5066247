// The power actions against a stand-in for systemd-logind on a private system bus. Each case
// runs in its own process, so each gets its own fake and its own connection to it.
#include "execution/shutdown.h"
#include "support/fakelogind.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Call = FakeLogind::Call;

const QString AuthorizationRequired =
    QStringLiteral("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired");
const QString Refusal = QStringLiteral("Interactive authentication required.");

class ShutdownLinuxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(logind.isRunning());
        ASSERT_EQ(logind.calls(), QList<Call>{});
    }

    Call managerCall(const char* method, QVariantList args = {}) const
    {
        return {FakeLogind::ManagerPath, QLatin1String(method), args};
    }
    static Call terminate(const QString& session) { return {session, QStringLiteral("Terminate"), {}}; }

    FakeLogind logind;
    std::unique_ptr<PowerActions> power = createPowerActions();
};

TEST_F(ShutdownLinuxTest, ShutdownAndPowerOffEachPowerOffOnceWithoutAsking)
{
    for (int flags : {PowerFlags::Shutdown, PowerFlags::PowerOff}) {
        SCOPED_TRACE(flags);
        EXPECT_EQ(power->RequestExitWindows(flags), QString());
        EXPECT_EQ(logind.calls(), QList<Call>{managerCall("PowerOff", {false})});
        logind.clearCalls();
    }
}

TEST_F(ShutdownLinuxTest, RebootRebootsOnceWithoutAsking)
{
    EXPECT_EQ(power->RequestExitWindows(PowerFlags::Reboot), QString());
    EXPECT_EQ(logind.calls(), QList<Call>{managerCall("Reboot", {false})});
}

TEST_F(ShutdownLinuxTest, LogoffTerminatesOnlyTheSessionOfThisProcess)
{
    EXPECT_EQ(power->RequestExitWindows(PowerFlags::Logoff), QString());
    // 0 asks for the session of the calling process.
    EXPECT_EQ(logind.calls(),
              (QList<Call>{managerCall("GetSessionByPID", {0u}), terminate(logind.ownSessionPath())}));
}

TEST_F(ShutdownLinuxTest, LogoffTerminatesTheAutoSessionWhenTheOwnSessionIsUnknown)
{
    ASSERT_TRUE(logind.makeFail(FakeLogind::ManagerPath, FakeLogind::ManagerInterface,
                                QStringLiteral("GetSessionByPID"),
                                QStringLiteral("org.freedesktop.login1.NoSessionForPID"),
                                QStringLiteral("PID 0 does not belong to any known session")));
    EXPECT_EQ(power->RequestExitWindows(PowerFlags::Logoff), QString());
    EXPECT_EQ(logind.calls(),
              (QList<Call>{managerCall("GetSessionByPID", {0u}), terminate(FakeLogind::autoSessionPath())}));
}

TEST_F(ShutdownLinuxTest, RefusedRequestGivesTheSystemsReasonAfterAskingOnce)
{
    ASSERT_TRUE(logind.makeFail(FakeLogind::ManagerPath, FakeLogind::ManagerInterface,
                                QStringLiteral("PowerOff"), AuthorizationRequired, Refusal));
    ASSERT_TRUE(logind.makeFail(FakeLogind::ManagerPath, FakeLogind::ManagerInterface,
                                QStringLiteral("Reboot"), AuthorizationRequired, Refusal));
    ASSERT_TRUE(logind.makeFail(logind.ownSessionPath(), FakeLogind::SessionInterface,
                                QStringLiteral("Terminate"), AuthorizationRequired, Refusal));
    const struct {
        int flags;
        QList<Call> calls;
    } cases[] = {
        {PowerFlags::Shutdown, {managerCall("PowerOff", {false})}},
        {PowerFlags::PowerOff, {managerCall("PowerOff", {false})}},
        {PowerFlags::Reboot, {managerCall("Reboot", {false})}},
        {PowerFlags::Logoff, {managerCall("GetSessionByPID", {0u}), terminate(logind.ownSessionPath())}},
    };
    for (const auto& request : cases) {
        SCOPED_TRACE(request.flags);
        const QString reason = power->RequestExitWindows(request.flags);
        EXPECT_TRUE(reason.contains(Refusal)) << reason.toStdString();
        EXPECT_EQ(logind.calls(), request.calls);
        logind.clearCalls();
    }
}

TEST_F(ShutdownLinuxTest, FlagsOfNoKnownActionAskForNothing)
{
    // Log off, shut down, reboot and power off without "force": never asked for, so refused
    // rather than guessed at.
    for (int flags : {0, 1, 2, 8}) {
        SCOPED_TRACE(flags);
        EXPECT_FALSE(power->RequestExitWindows(flags).isEmpty());
    }
    EXPECT_EQ(logind.calls(), QList<Call>{});
}

TEST(ShutdownLinuxWithoutBusTest, EveryRequestGivesAReasonAtOnce)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", ("unix:path=" + dir.filePath(QStringLiteral("no-bus-here"))).toUtf8());
    const std::unique_ptr<PowerActions> power = createPowerActions();
    for (int flags : {PowerFlags::Shutdown, PowerFlags::Logoff, PowerFlags::Reboot, PowerFlags::PowerOff}) {
        SCOPED_TRACE(flags);
        QElapsedTimer timer;
        timer.start();
        EXPECT_FALSE(power->RequestExitWindows(flags).isEmpty());
        // Far below the time a request may take to be answered by a bus that is there.
        EXPECT_LT(timer.elapsed(), 2000);
    }
}

} // namespace
