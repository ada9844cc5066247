// The Windows-only helpers on the real API under Wine, and the registry fixture there.
#include "desktop/win32/alwaysontop.h"
#include "desktop/win32/clockchangewindow.h"
#include "execution/win32/exitwindows.h"
#include "execution/win32/playsound.h"
#include "execution/win32/sleepandlock.h"
#include "registryfixture.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <vector>

namespace {

// What the recording stand-ins of the power calls were asked (+ when privileged), their answer.
std::string asked;
std::pair<int, DWORD> answer;

// Turns the shutdown privilege off; true when it was on.
bool dropShutdownPrivilege()
{
    HANDLE token = nullptr;
    OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token);
    TOKEN_PRIVILEGES off{1, {{{}, 0}}}, before{};
    LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &off.Privileges[0].Luid);
    DWORD size = sizeof before;
    AdjustTokenPrivileges(token, FALSE, &off, sizeof before, &before, &size);
    CloseHandle(token);
    return before.PrivilegeCount == 1 && (before.Privileges[0].Attributes & SE_PRIVILEGE_ENABLED) != 0;
}

int record(const std::string& call)
{
    asked += call + (dropShutdownPrivilege() ? "+" : "-");
    SetLastError(answer.second);
    return answer.first;
}
int recordExitWindows(std::uint32_t flags, std::uint32_t reserved)
{
    return record(std::to_string(flags) + ' ' + std::to_string(reserved));
}
BOOLEAN WINAPI recordSuspend(BOOLEAN hibernate, BOOLEAN force, BOOLEAN wakeupEventsDisabled)
{
    return record("suspend " + std::to_string(hibernate) + std::to_string(force) +
                  std::to_string(wakeupEventsDisabled));
}
BOOL WINAPI recordLock()
{
    return record("lock");
}

// What the stand-in of GetPwrCapabilities reports, and whether it answers at all.
SYSTEM_POWER_CAPABILITIES reported;
BOOLEAN reports;
BOOLEAN WINAPI reportCapabilities(PSYSTEM_POWER_CAPABILITIES capabilities)
{
    *capabilities = reported;
    return reports;
}

} // namespace

using namespace modRegistry;

void RegistryFixture::SetUp()
{
    registry = createPlatformRegistryBackend({});
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\LullwickTest");
}

std::string RegistryFixture::storedValue(const std::string& path)
{
    const auto root = static_cast<std::int32_t>(std::get<RegistryHandle>(ParseRegistryPath(path, RootPart)));
    const std::string key = std::get<std::string>(ParseRegistryPath(path, KeyPart));
    const std::string name = std::get<std::string>(ParseRegistryPath(path, ValuePart));
    char data[256];
    DWORD type = 0, size = sizeof data;
    const LONG status = RegGetValueA(reinterpret_cast<HKEY>(static_cast<std::intptr_t>(root)), key.c_str(),
                                     name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type, data, &size);
    return status == ERROR_SUCCESS ? describe(type, std::string(data, size)) : "-";
}

// Each request is one call, with the shutdown privilege turned on where it is needed (not to lock),
// and says why when refused, also without an error code.
TEST(PowerRequests, EachIsOneCallWithThePrivilegeItNeedsAndARefusalSaysWhy)
{
    dropShutdownPrivilege();
    const struct {
        int (*request)(std::string& reason);
        const char* call;
        int accepted;
        DWORD error;
    } rows[] = {
        {[](std::string& reason) -> int { return RequestExitWindows(12, reason, recordExitWindows); },
         "12 0+", 1, 0},
        {[](std::string& reason) -> int { return RequestExitWindows(5, reason, recordExitWindows); }, "5 0+",
         0, 1314},
        {[](std::string& reason) -> int { return RequestExitWindows(4, reason, recordExitWindows); }, "4 0+",
         0, 0},
        {[](std::string& reason) -> int { return RequestSuspendState(false, reason, recordSuspend); },
         "suspend 000+", 1, 0},
        {[](std::string& reason) -> int { return RequestSuspendState(true, reason, recordSuspend); },
         "suspend 100+", 0, 1314},
        {[](std::string& reason) -> int { return RequestLockWorkStation(reason, recordLock); }, "lock-", 1,
         0},
        {[](std::string& reason) -> int { return RequestLockWorkStation(reason, recordLock); }, "lock-", 0,
         5},
    };
    for (const auto& row : rows) {
        answer = {row.accepted, row.error};
        std::string reason = "stale";
        EXPECT_EQ(row.request(reason), row.accepted) << row.call;
        EXPECT_EQ(std::exchange(asked, ""), row.call);
        EXPECT_TRUE(row.accepted ? reason.empty()
                                 : reason.find("error " + std::to_string(row.error)) != reason.npos)
            << reason;
    }
}

// Suspend needs one of S1 to S3, hibernation S4 and its file; a system that says nothing gets both offered.
TEST(SleepStates, SuspendNeedsS1ToS3AndHibernationS4WithItsFile)
{
    const struct {
        BOOLEAN s1, s2, s3, s4, file, reports;
        bool suspend, hibernate;
    } rows[] = {
        {0, 0, 1, 1, 1, 1, true, true},  {1, 0, 0, 1, 0, 1, true, false}, {0, 1, 0, 0, 1, 1, true, false},
        {0, 0, 0, 1, 1, 1, false, true}, {0, 0, 0, 0, 0, 0, true, true},
    };
    for (const auto& row : rows) {
        reported = {};
        reported.SystemS1 = row.s1, reported.SystemS2 = row.s2, reported.SystemS3 = row.s3;
        reported.SystemS4 = row.s4, reported.HiberFilePresent = row.file, reports = row.reports;
        const SleepStates states = AvailableSleepStates(reportCapabilities);
        EXPECT_EQ(std::pair(states.suspend, states.hibernate), std::pair(row.suspend, row.hibernate))
            << int(row.s1) << int(row.s2) << int(row.s3) << int(row.s4) << int(row.file) << int(row.reports);
    }
}

// The clip replaces whatever lies at the name; a file that a link there points to keeps its
// contents.
TEST(WriteSoundFile, ReplacesWhatLiesAtTheNameAndNeverWritesThroughALink)
{
    const std::pair<const char*, bool (*)()> cases[] = {
        {"nothing", [] { return true; }},
        {"a longer file", [] { return !!(std::ofstream("warning.wav") << std::string(20000, 'x')); }},
        {"a symbolic link", [] { return CreateSymbolicLinkA("warning.wav", "target.txt", 0) != FALSE; }},
        {"a hard link", [] { return CreateHardLinkA("warning.wav", "target.txt", nullptr) != FALSE; }},
    };
    for (const auto& [what, prepare] : cases) {
        DeleteFileA("warning.wav");
        std::ofstream("target.txt") << "the user's own file";
        ASSERT_TRUE(prepare()) << what << ": " << GetLastError();
        EXPECT_TRUE(WriteSoundFile("warning.wav", std::string(13074, '\x80'))) << what;
        EXPECT_EQ(std::filesystem::file_size("warning.wav"), 13074u) << what;
        EXPECT_EQ(std::filesystem::file_size("target.txt"), 19u) << what;
    }
    EXPECT_FALSE(WriteSoundFile("C:\\no such folder\\warning.wav", "clip"));
}

// The hidden window turns the broadcasts about the clock, sleep and the time zone into calls,
// and ignores power messages and setting changes about anything else.
TEST(ClockChangeWindow, BroadcastsBecomeCalls)
{
    std::vector<ClockChange> seen;
    const auto record = [](void* list, ClockChange change) {
        static_cast<decltype(seen)*>(list)->push_back(change);
    };
    const HWND window = createClockChangeWindow(record, &seen);
    SendMessageTimeoutW(HWND_BROADCAST, WM_TIMECHANGE, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    for (const WPARAM event :
         {PBT_APMSUSPEND, PBT_APMRESUMEAUTOMATIC, PBT_APMRESUMESUSPEND, PBT_APMPOWERSTATUSCHANGE})
        SendMessageW(window, WM_POWERBROADCAST, event, 0);
    for (const wchar_t* area : {L"intl", L"Environment", static_cast<const wchar_t*>(nullptr)})
        SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(area),
                            SMTO_ABORTIFHUNG, 5000, nullptr);
    EXPECT_EQ(seen, (std::vector{ClockChange::Set, ClockChange::TimeZone, ClockChange::Suspending,
                                 ClockChange::Resumed, ClockChange::Resumed, ClockChange::TimeZone}));
    EXPECT_FALSE(IsWindowVisible(window));
    destroyClockChangeWindow(window);
    EXPECT_FALSE(IsWindow(window));
}

// Only -1 (true) makes a window topmost; every call keeps its place and size, and a failure
// returns 0.
TEST(AlwaysOnTop, TrueMakesTheWindowTopmostAnyOtherValueTakesThatAway)
{
    const HWND window =
        CreateWindowExA(0, "STATIC", "", WS_POPUP, 40, 50, 120, 80, nullptr, nullptr, nullptr, nullptr);
    for (const std::int16_t on : {-1, 0, -1, 1, -1, 2}) {
        const long answered = SetAlwaysOnTop(window, on) != 0;
        RECT place{};
        GetWindowRect(window, &place);
        EXPECT_EQ(std::vector({answered, GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, place.left,
                               place.top, place.right, place.bottom}),
                  std::vector<long>({on == -1, on == -1 ? WS_EX_TOPMOST : 0, 40, 50, 160, 130}))
            << on;
    }
    DestroyWindow(window);
    EXPECT_EQ(SetAlwaysOnTop(window, -1), 0);
}
