// The power actions against a stand-in for systemd-logind on a private system bus. Each case
// runs in its own process, so each gets its own fake and its own connection to it.
#include "execution/shutdown.h"
#include "support/fakelogind.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Call = FakeLogind::Call;

Call managerCall(const char* method, QVariantList args = {})
{
    return {FakeLogind::ManagerPath, QLatin1String(method), args};
}

// Each kind asks once and never interactively (Logoff: the session of this process, 0 asking for
// the caller's); flags of no known action (no "force") ask for nothing and are refused rather
// than guessed at. With every method failing, each gives the system's reason.
void requestEveryKind(bool refused)
{
    const QString refusal = QStringLiteral("Interactive authentication required.");
    FakeLogind logind;
    ASSERT_TRUE(logind.isRunning());
    const Call terminate{logind.ownSessionPath(), QStringLiteral("Terminate"), {}};
    const std::unique_ptr<PowerActions> power = createPowerActions();
    for (const auto& [path, interface, method] :
         {std::tuple{FakeLogind::ManagerPath, FakeLogind::ManagerInterface, "PowerOff"},
          {FakeLogind::ManagerPath, FakeLogind::ManagerInterface, "Reboot"},
          {logind.ownSessionPath(), FakeLogind::SessionInterface, "Terminate"}}) {
        if (refused) {
            ASSERT_TRUE(logind.makeFail(
                path, interface, QLatin1String(method),
                QStringLiteral("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired"), refusal));
        }
    }
    const std::pair<int, QList<Call>> cases[] = {
        {PowerFlags::Shutdown, {managerCall("PowerOff", {false})}},
        {PowerFlags::PowerOff, {managerCall("PowerOff", {false})}},
        {PowerFlags::Reboot, {managerCall("Reboot", {false})}},
        {PowerFlags::Logoff, {managerCall("GetSessionByPID", {0u}), terminate}},
        {0, {}},
        {1, {}},
        {2, {}},
        {8, {}},
    };
    for (const auto& [flags, calls] : cases) {
        SCOPED_TRACE(flags);
        const QString reason = power->RequestExitWindows(flags);
        EXPECT_EQ(reason.isEmpty(), !refused && !calls.isEmpty()) << reason.toStdString();
        EXPECT_EQ(reason.contains(refusal), refused && !calls.isEmpty()) << reason.toStdString();
        EXPECT_EQ(logind.calls(), calls);
        logind.clearCalls();
    }
}

TEST(ShutdownLinux, EachKindMakesItsLogindRequestOnce)
{
    requestEveryKind(false);
}

TEST(ShutdownLinux, ARefusedRequestGivesTheSystemsReason)
{
    requestEveryKind(true);
}

TEST(ShutdownLinux, LogoffTerminatesTheAutoSessionWhenTheOwnSessionIsUnknown)
{
    FakeLogind logind;
    ASSERT_TRUE(logind.makeFail(FakeLogind::ManagerPath, FakeLogind::ManagerInterface,
                                QStringLiteral("GetSessionByPID"),
                                QStringLiteral("org.freedesktop.login1.NoSessionForPID"),
                                QStringLiteral("PID 0 does not belong to any known session")));
    EXPECT_EQ(createPowerActions()->RequestExitWindows(PowerFlags::Logoff), QString());
    EXPECT_EQ(logind.calls(), (QList<Call>{managerCall("GetSessionByPID", {0u}),
                                           {FakeLogind::autoSessionPath(), "Terminate", {}}}));
}

TEST(ShutdownLinuxWithoutBus, EveryRequestGivesAReason)
{
    QTemporaryDir dir;
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", ("unix:path=" + dir.filePath(QStringLiteral("no-bus-here"))).toUtf8());
    const std::unique_ptr<PowerActions> power = createPowerActions();
    for (int flags : {PowerFlags::Shutdown, PowerFlags::Logoff, PowerFlags::Reboot, PowerFlags::PowerOff})
        EXPECT_FALSE(power->RequestExitWindows(flags).isEmpty()) << flags;
}

} // namespace
