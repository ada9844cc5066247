#pragma once

#include <QProcessEnvironment>
#include <QString>

// The Qt platform the program runs on when the user has chosen none (QT_QPA_PLATFORM unset):
// "xcb" on a Wayland session that offers XWayland, because there the desktop keeps the
// warning window above full-screen windows, which most Wayland compositors do not do for a
// client's stay-on-top request. Empty: Qt's own choice.
QString preferredPlatform(const QProcessEnvironment& environment);

// Sets QT_QPA_PLATFORM to the preferred platform, if any; call before the application is made.
void choosePlatform();
