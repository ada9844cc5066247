#include "sleepandlock.h"

#include "exitwindows.h"

bool RequestSuspendState(bool hibernate, std::string& reason, SuspendFunction suspend)
{
    EnableShutdownPrivilege();
    const bool accepted = suspend(hibernate, FALSE, FALSE) != FALSE;
    reason = accepted ? std::string() : SystemErrorMessage(GetLastError());
    return accepted;
}

bool RequestLockWorkStation(std::string& reason, LockFunction lock)
{
    const bool accepted = lock() != FALSE;
    reason = accepted ? std::string() : SystemErrorMessage(GetLastError());
    return accepted;
}

SleepStates AvailableSleepStates(CapabilitiesFunction capabilities)
{
    SYSTEM_POWER_CAPABILITIES reported{};
    if (!capabilities(&reported))
        return {};
    return {reported.SystemS1 || reported.SystemS2 || reported.SystemS3,
            reported.SystemS4 && reported.HiberFilePresent};
}
