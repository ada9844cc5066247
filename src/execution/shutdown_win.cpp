#include "shutdown.h"
#include "win32/exitwindows.h"
#include "win32/sleepandlock.h"

namespace {

// Power actions through the Win32 API: ExitWindowsEx with the shutdown privilege enabled before
// each one, SetSuspendState and LockWorkStation.
class Win32PowerActions final : public PowerActions {
public:
    QString RequestExitWindows(int flags) override
    {
        std::string reason;
        bool accepted = false;
        if (flags == PowerFlags::Suspend || flags == PowerFlags::Hibernate)
            accepted = RequestSuspendState(flags == PowerFlags::Hibernate, reason);
        else if (flags == PowerFlags::Lock)
            accepted = RequestLockWorkStation(reason);
        else
            accepted = ::RequestExitWindows(flags, reason) != 0;
        if (accepted)
            return {};
        return reason.empty() ? QStringLiteral("Windows refused the request.")
                              : QString::fromLocal8Bit(reason);
    }

    bool canCarryOut(const QString& event) const override
    {
        if (event == u"Suspend")
            return AvailableSleepStates().suspend;
        if (event == u"Hibernate")
            return AvailableSleepStates().hibernate;
        return true;
    }
};

} // namespace

std::unique_ptr<PowerActions> createPowerActions()
{
    return std::make_unique<Win32PowerActions>();
}
