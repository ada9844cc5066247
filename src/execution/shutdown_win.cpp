#include "shutdown.h"
#include "win32/exitwindows.h"

namespace {

// Power actions through ExitWindowsEx, with the shutdown privilege enabled before each one.
class Win32PowerActions final : public PowerActions {
public:
    QString RequestExitWindows(int flags) override
    {
        std::string reason;
        if (::RequestExitWindows(flags, reason) != 0)
            return {};
        return reason.empty() ? QStringLiteral("Windows refused the request.")
                              : QString::fromLocal8Bit(reason);
    }
};

} // namespace

std::unique_ptr<PowerActions> createPowerActions()
{
    return std::make_unique<Win32PowerActions>();
}
