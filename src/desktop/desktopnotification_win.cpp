#include "desktopnotification.h"

namespace {

class NoDesktopNotification final : public DesktopNotification {
public:
    void show(const QString&, const QString&, bool) override {}
    void close() override {}
};

} // namespace

std::unique_ptr<DesktopNotification> createDesktopNotification()
{
    return std::make_unique<NoDesktopNotification>();
}
