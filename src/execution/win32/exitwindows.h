#pragma once

#include <cstdint>
#include <string>

// Asking Windows to log off, shut down, reboot or power off (ExitWindowsEx flags 4, 5, 6, 12).

// Calls ExitWindowsEx(flags, reserved) and returns its result. Tests pass their own to
// record requests instead of ending the session.
using ExitWindowsFunction = int (*)(std::uint32_t flags, std::uint32_t reserved);

// ExitWindowsEx itself.
int SystemExitWindows(std::uint32_t flags, std::uint32_t reserved);

// The system's message for the Win32 error code `error`, ending with "(error N)".
std::string SystemErrorMessage(std::uint32_t error);

// Enables "SeShutdownPrivilege" in the current process's token. Failures are not reported:
// without the privilege, the request that follows fails in Windows' own way.
void EnableShutdownPrivilege();

// Enables the shutdown privilege, then asks for ExitWindowsEx(flags, 0). Returns the result
// narrowed to 16 bits (non-zero: accepted). When the request is refused, `reason` receives
// the system's explanation; otherwise it is emptied.
std::int16_t RequestExitWindows(std::int32_t flags, std::string& reason,
                                ExitWindowsFunction exitWindows = SystemExitWindows);
