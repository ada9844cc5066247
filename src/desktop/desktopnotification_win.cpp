#include "desktopnotification.h"
#include "tray.h"

namespace {

// Windows has no notification service the program can offer actions in: a notice that is not
// critical shows as a balloon of the tray icon; a countdown shows in its warning window alone.
class TrayBalloon final : public DesktopNotification {
public:
    explicit TrayBalloon(Tray& tray) : m_tray(tray) {}
    void show(const Notice& notice) override
    {
        if (!notice.critical)
            m_tray.showMessage(notice.summary, notice.body);
    }
    void close() override {}

private:
    Tray& m_tray;
};

} // namespace

std::unique_ptr<DesktopNotification> createDesktopNotification(Tray& tray)
{
    return std::make_unique<TrayBalloon>(tray);
}
