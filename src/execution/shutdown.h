#pragma once

#include <QString>
#include <memory>

// The power actions. The first four carry the flags Windows' ExitWindowsEx gives them: 5 shut
// down, 4 log off, 6 reboot, 12 power off (each with "force": other programs are not asked).
// The others are negative, so that no combination of those flags can mean one of them.
namespace PowerFlags {
inline constexpr int Shutdown = 5;
inline constexpr int Logoff = 4;
inline constexpr int Reboot = 6;
inline constexpr int PowerOff = 12;
inline constexpr int Suspend = -1;
inline constexpr int Hibernate = -2;
inline constexpr int Lock = -3; // the screen of the user's session
} // namespace PowerFlags

// Asks the system to carry out a power action. The request only starts the action; the
// system carries it out after the call returns.
class PowerActions {
public:
    virtual ~PowerActions() = default;

    // Returns an empty string when the system accepted the request, otherwise the reason for
    // refusing it: plain words, then the system's own message in parentheses.
    virtual QString RequestExitWindows(int flags) = 0;
    // Whether the system can carry out the event at all ("Suspend", "Hibernate", ...); an
    // event it cannot is not offered for new entries.
    virtual bool canCarryOut(const QString& event) const
    {
        Q_UNUSED(event);
        return true;
    }
    // True while an accepted request still needs this program to run: a log-off handed to the
    // desktop's session manager, which the program completes itself if the session is still
    // there after a grace period. The program must not end itself meanwhile.
    virtual bool needsProgramToGoOn() const { return false; }
};

// The platform's power actions: systemd-logind on Linux, the Win32 API on Windows.
std::unique_ptr<PowerActions> createPowerActions();
