#include "exitwindows.h"

#include <windows.h>

namespace {

// TOKEN_ADJUST_PRIVILEGES + TOKEN_QUERY
constexpr DWORD AdjustAndQuery = 40;
// One privilege entry: the buffer length that AdjustTokenPrivileges is given.
constexpr DWORD PrivilegesLength = 16;
static_assert(sizeof(TOKEN_PRIVILEGES) == PrivilegesLength);

} // namespace

std::string SystemErrorMessage(std::uint32_t error)
{
    char* text = nullptr;
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<LPSTR>(&text), 0, nullptr);
    std::string message(text != nullptr ? text : "", length);
    LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
        message.pop_back();
    const std::string code = "error " + std::to_string(error);
    return message.empty() ? "The system refused the request (" + code + ")." : message + " (" + code + ")";
}

int SystemExitWindows(std::uint32_t flags, std::uint32_t reserved)
{
    return ExitWindowsEx(flags, reserved);
}

void EnableShutdownPrivilege()
{
    const HANDLE process = GetCurrentProcess();
    HANDLE token = nullptr;
    OpenProcessToken(process, AdjustAndQuery, &token);
    LUID shutdown{};
    LookupPrivilegeValueA("", "SeShutdownPrivilege", &shutdown);
    TOKEN_PRIVILEGES newState{};
    newState.PrivilegeCount = 1;
    newState.Privileges[0].Luid = shutdown;
    newState.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    TOKEN_PRIVILEGES previousState{};
    DWORD returnedLength = 0;
    AdjustTokenPrivileges(token, FALSE, &newState, PrivilegesLength, &previousState, &returnedLength);
    // The token is not needed after the adjustment; the program may go on after a refusal.
    if (token != nullptr)
        CloseHandle(token);
}

std::int16_t RequestExitWindows(std::int32_t flags, std::string& reason, ExitWindowsFunction exitWindows)
{
    EnableShutdownPrivilege();
    const int result = exitWindows(static_cast<std::uint32_t>(flags), 0);
    if (result == 0)
        reason = SystemErrorMessage(GetLastError());
    else
        reason.clear();
    return static_cast<std::int16_t>(result);
}
