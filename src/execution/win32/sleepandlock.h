#pragma once

#include <string>
#include <windows.h>
// After windows.h, which it needs.
#include <powrprof.h>

// Putting Windows to sleep or into hibernation, and locking the workstation. Tests pass their
// own functions in place of the system's to record the requests instead of carrying them out.
using SuspendFunction = BOOLEAN(WINAPI*)(BOOLEAN hibernate, BOOLEAN force, BOOLEAN wakeupEventsDisabled);
using LockFunction = BOOL(WINAPI*)();
using CapabilitiesFunction = BOOLEAN(WINAPI*)(PSYSTEM_POWER_CAPABILITIES capabilities);

// Enables the shutdown privilege, which SetSuspendState needs, then asks for
// SetSuspendState(hibernate, FALSE, FALSE): wake-up timers stay on. True when accepted;
// otherwise `reason` receives the system's explanation.
bool RequestSuspendState(bool hibernate, std::string& reason, SuspendFunction suspend = SetSuspendState);

// Locks the workstation (no privilege needed). True when accepted; otherwise `reason` receives
// the system's explanation.
bool RequestLockWorkStation(std::string& reason, LockFunction lock = LockWorkStation);

// Whether the computer can sleep (S1 to S3) and hibernate (S4 with a hibernation file, as
// IsPwrHibernateAllowed tells), as GetPwrCapabilities reports it. When it reports nothing,
// both are taken as possible: a request then says why it fails.
struct SleepStates {
    bool suspend = true;
    bool hibernate = true;
};
SleepStates AvailableSleepStates(CapabilitiesFunction capabilities = GetPwrCapabilities);
