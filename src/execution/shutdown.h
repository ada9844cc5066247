#pragma once

#include <QString>
#include <memory>

// The power actions, named by the flags Windows gives them: 5 shut down, 4 log off,
// 6 reboot, 12 power off (each with "force": other programs are not asked).
namespace PowerFlags {
inline constexpr int Shutdown = 5;
inline constexpr int Logoff = 4;
inline constexpr int Reboot = 6;
inline constexpr int PowerOff = 12;
} // namespace PowerFlags

// Asks the system to carry out a power action. The request only starts the action; the
// system carries it out after the call returns.
class PowerActions {
public:
    virtual ~PowerActions() = default;

    // Returns an empty string when the system accepted the request, otherwise the system's
    // reason for refusing it.
    virtual QString RequestExitWindows(int flags) = 0;
    // Whether the system can carry out the event at all ("Suspend", "Hibernate", ...); an
    // event it cannot is not offered for new entries.
    virtual bool canCarryOut(const QString& event) const
    {
        Q_UNUSED(event);
        return true;
    }
};

// The platform's power actions: systemd-logind on Linux, ExitWindowsEx on Windows.
std::unique_ptr<PowerActions> createPowerActions();
