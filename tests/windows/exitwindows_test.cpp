#include "execution/win32/exitwindows.h"

#include <gtest/gtest.h>
#include <vector>
#include <windows.h>

namespace {

struct Request {
    std::uint32_t flags;
    std::uint32_t reserved;
    bool privilegeEnabled;
};

// What the recording ExitWindowsEx saw, and what it answers.
std::vector<Request> requests;
int answer = 1;
DWORD refusal = ERROR_SUCCESS;

LUID shutdownPrivilege()
{
    LUID luid{};
    EXPECT_TRUE(LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &luid));
    return luid;
}

bool shutdownPrivilegeEnabled()
{
    HANDLE token = nullptr;
    EXPECT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token));
    PRIVILEGE_SET wanted{};
    wanted.PrivilegeCount = 1;
    wanted.Control = PRIVILEGE_SET_ALL_NECESSARY;
    wanted.Privilege[0].Luid = shutdownPrivilege();
    BOOL enabled = FALSE;
    EXPECT_TRUE(PrivilegeCheck(token, &wanted, &enabled));
    CloseHandle(token);
    return enabled != FALSE;
}

void disableShutdownPrivilege()
{
    HANDLE token = nullptr;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token));
    TOKEN_PRIVILEGES state{};
    state.PrivilegeCount = 1;
    state.Privileges[0].Luid = shutdownPrivilege();
    state.Privileges[0].Attributes = 0;
    ASSERT_TRUE(AdjustTokenPrivileges(token, FALSE, &state, sizeof state, nullptr, nullptr));
    CloseHandle(token);
}

int recordExitWindows(std::uint32_t flags, std::uint32_t reserved)
{
    requests.push_back({flags, reserved, shutdownPrivilegeEnabled()});
    if (answer == 0)
        SetLastError(refusal);
    return answer;
}

class ExitWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        requests.clear();
        answer = 1;
        refusal = ERROR_SUCCESS;
    }
};

} // namespace

TEST_F(ExitWindows, EachKindIsOneRequestWithItsFlagsAfterThePrivilegeStep)
{
    for (const std::int32_t flags : {5, 4, 6, 12}) {
        SCOPED_TRACE(flags);
        disableShutdownPrivilege();
        ASSERT_FALSE(shutdownPrivilegeEnabled());
        requests.clear();
        std::string reason = "stale";

        EXPECT_EQ(RequestExitWindows(flags, reason, recordExitWindows), 1);

        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0].flags, static_cast<std::uint32_t>(flags));
        EXPECT_EQ(requests[0].reserved, 0u);
        EXPECT_TRUE(requests[0].privilegeEnabled);
        EXPECT_EQ(reason, "");
    }
}

TEST_F(ExitWindows, PrivilegeStepEnablesShutdownInTheProcessToken)
{
    disableShutdownPrivilege();
    ASSERT_FALSE(shutdownPrivilegeEnabled());
    EnableShutdownPrivilege();
    EXPECT_TRUE(shutdownPrivilegeEnabled());
    // Again with the privilege already on: no harm done.
    EnableShutdownPrivilege();
    EXPECT_TRUE(shutdownPrivilegeEnabled());
}

TEST_F(ExitWindows, RefusedRequestComesWithTheSystemsReason)
{
    answer = 0;
    refusal = ERROR_PRIVILEGE_NOT_HELD;
    std::string reason;
    EXPECT_EQ(RequestExitWindows(5, reason, recordExitWindows), 0);
    EXPECT_NE(reason, "");
    EXPECT_NE(reason.find("1314"), std::string::npos) << reason;

    // A refusal without an error code still explains itself.
    refusal = ERROR_SUCCESS;
    reason.clear();
    EXPECT_EQ(RequestExitWindows(4, reason, recordExitWindows), 0);
    EXPECT_NE(reason, "");

    answer = 1;
    EXPECT_EQ(RequestExitWindows(6, reason, recordExitWindows), 1);
    EXPECT_EQ(reason, "");
    EXPECT_EQ(requests.size(), 3u);
}
