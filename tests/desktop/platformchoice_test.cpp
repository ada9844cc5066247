#include "desktop/platformchoice.h"

#include <gtest/gtest.h>

// xcb only on a Wayland session that offers XWayland, and never against the user's choice.
TEST(PlatformChoice, XcbOnAWaylandSessionWithXWaylandUnlessTheUserChose)
{
    const std::pair<const char*, const char*> rows[] = {
        // variables separated by blanks, platform
        {"WAYLAND_DISPLAY=wayland-0 DISPLAY=:0", "xcb"},
        {"XDG_SESSION_TYPE=wayland DISPLAY=:1", "xcb"},
        {"WAYLAND_DISPLAY=wayland-0 XDG_SESSION_TYPE=wayland DISPLAY=:0 QT_QPA_PLATFORM=", "xcb"},
        {"WAYLAND_DISPLAY=wayland-0 DISPLAY=:0 QT_QPA_PLATFORM=wayland", ""},
        {"WAYLAND_DISPLAY=wayland-0 DISPLAY=:0 QT_QPA_PLATFORM=offscreen", ""},
        {"WAYLAND_DISPLAY=wayland-0", ""},
        {"XDG_SESSION_TYPE=wayland DISPLAY=", ""},
        {"XDG_SESSION_TYPE=x11 DISPLAY=:0", ""},
        {"", ""}};
    for (const auto& [variables, platform] : rows) {
        QProcessEnvironment environment;
        for (const QString& variable : QString::fromLatin1(variables).split(u' ', Qt::SkipEmptyParts))
            environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        EXPECT_EQ(preferredPlatform(environment).toStdString(), platform) << variables;
    }
}
