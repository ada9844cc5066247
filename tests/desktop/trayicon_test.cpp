// The tray icon over QSystemTrayIcon, without a notification area: what each activation
// does and what the icon carries. trayicon_sni_test.cpp checks the same through D-Bus.
#include "desktop/appicons.h"
#include "desktop/trayicon.h"

#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <gtest/gtest.h>

namespace {

class TrayIconTest : public ::testing::Test {
protected:
    QSystemTrayIcon* systemIcon() const
    {
        const auto icons = tray.findChildren<QSystemTrayIcon*>();
        EXPECT_EQ(icons.size(), 1);
        return icons.value(0);
    }
    static QImage image(const QIcon& icon) { return icon.pixmap(32).toImage(); }

    TrayIcon tray;
};

TEST_F(TrayIconTest, LeftClickAndRightButtonShowTheWindowOtherActivationsDoNot)
{
    QSystemTrayIcon* icon = systemIcon();
    ASSERT_NE(icon, nullptr);
    QSignalSpy shown(&tray, &Tray::showWindowRequested);
    const struct {
        QSystemTrayIcon::ActivationReason reason;
        int shows;
    } cases[] = {
        {QSystemTrayIcon::Trigger, 1},     {QSystemTrayIcon::Context, 1}, {QSystemTrayIcon::DoubleClick, 0},
        {QSystemTrayIcon::MiddleClick, 0}, {QSystemTrayIcon::Unknown, 0},
    };
    for (const auto& activation : cases) {
        SCOPED_TRACE(activation.reason);
        shown.clear();
        emit icon->activated(activation.reason);
        EXPECT_EQ(shown.count(), activation.shows);
    }
}

TEST_F(TrayIconTest, CarriesTheProgramNameAndNoMenu)
{
    QSystemTrayIcon* icon = systemIcon();
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->toolTip(), QStringLiteral("Lullwick"));
    EXPECT_EQ(icon->contextMenu(), nullptr);
}

TEST_F(TrayIconTest, AddShowsTheGivenIconAndRemoveHidesIt)
{
    QSystemTrayIcon* icon = systemIcon();
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->isVisible());

    tray.AddTrayIcon(appIcon(AppIcon::Started));
    EXPECT_TRUE(icon->isVisible());
    EXPECT_EQ(image(icon->icon()), image(appIcon(AppIcon::Started)));

    tray.RemoveTrayIcon();
    EXPECT_FALSE(icon->isVisible());
    tray.RemoveTrayIcon(); // the second removal on Exit
    EXPECT_FALSE(icon->isVisible());

    tray.AddTrayIcon(appIcon(AppIcon::Disabled));
    EXPECT_TRUE(icon->isVisible());
    EXPECT_EQ(image(icon->icon()), image(appIcon(AppIcon::Disabled)));
    EXPECT_NE(image(icon->icon()), image(appIcon(AppIcon::Started)));
}

} // namespace
