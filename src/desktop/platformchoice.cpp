#include "platformchoice.h"

QString preferredPlatform(const QProcessEnvironment& environment)
{
    const auto isSet = [&](const QString& name) { return !environment.value(name).isEmpty(); };
    const bool wayland = isSet(QStringLiteral("WAYLAND_DISPLAY")) ||
                         environment.value(QStringLiteral("XDG_SESSION_TYPE")) == QLatin1String("wayland");
    const bool xwayland = isSet(QStringLiteral("DISPLAY"));
    return wayland && xwayland && !isSet(QStringLiteral("QT_QPA_PLATFORM")) ? QStringLiteral("xcb")
                                                                            : QString();
}

void choosePlatform()
{
    const QString platform = preferredPlatform(QProcessEnvironment::systemEnvironment());
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform.toLatin1());
}
