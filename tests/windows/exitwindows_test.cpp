#include "execution/win32/exitwindows.h"

#include <gtest/gtest.h>
#include <vector>
#include <windows.h>

namespace {

// What the recording ExitWindowsEx saw (flags, reserved, privilege on), and what it answers.
std::vector<std::string> requests;
int answer = 1;
DWORD refusal = ERROR_SUCCESS;

bool shutdownPrivilege(bool enable = false, bool set = false)
{
    HANDLE token = nullptr;
    EXPECT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token));
    PRIVILEGE_SET wanted{1, PRIVILEGE_SET_ALL_NECESSARY, {}};
    EXPECT_TRUE(LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &wanted.Privilege[0].Luid));
    if (set) {
        TOKEN_PRIVILEGES state{1, {{wanted.Privilege[0].Luid, enable ? DWORD{SE_PRIVILEGE_ENABLED} : 0}}};
        EXPECT_TRUE(AdjustTokenPrivileges(token, FALSE, &state, sizeof state, nullptr, nullptr));
    }
    BOOL enabled = FALSE;
    EXPECT_TRUE(PrivilegeCheck(token, &wanted, &enabled));
    CloseHandle(token);
    return enabled != FALSE;
}

int recordExitWindows(std::uint32_t flags, std::uint32_t reserved)
{
    requests.push_back(std::to_string(flags) + ' ' + std::to_string(reserved) +
                       (shutdownPrivilege() ? " on" : " off"));
    if (answer == 0)
        SetLastError(refusal);
    return answer;
}

} // namespace

// Each request enables the shutdown privilege first, asks once, and says why when refused.
TEST(ExitWindows, EachRequestIsOneCallWithThePrivilegeOnAndARefusalSaysWhy)
{
    const struct {
        std::int32_t flags;
        int answer;
        DWORD refusal;
        const char* reasonHolds; // nullptr: no reason
    } rows[] = {
        {5, 1, 0, nullptr},
        {12, 1, 0, nullptr},
        {5, 0, ERROR_PRIVILEGE_NOT_HELD, "1314"},
        {4, 0, ERROR_SUCCESS, ""}, // a refusal without an error code still explains itself
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.flags);
        ASSERT_FALSE(shutdownPrivilege(false, true));
        requests.clear();
        answer = row.answer;
        refusal = row.refusal;
        std::string reason = "stale";
        EXPECT_EQ(RequestExitWindows(row.flags, reason, recordExitWindows), row.answer);
        EXPECT_EQ(requests, std::vector<std::string>{std::to_string(row.flags) + " 0 on"});
        if (row.reasonHolds == nullptr)
            EXPECT_EQ(reason, "");
        else
            EXPECT_TRUE(reason != "" && reason != "stale" && reason.find(row.reasonHolds) != reason.npos)
                << reason;
    }
}
