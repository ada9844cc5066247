#include "app/application.h"
#include "app/translations.h"
#include "desktop/desktopnotification.h"
#include "desktop/paths.h"
#include "desktop/platformchoice.h"
#include "desktop/startup.h"
#include "desktop/trayicon.h"
#include "execution/shutdown.h"
#include "execution/sound.h"

#include <QApplication>

int main(int argc, char** argv)
{
    Paths::ignoreRelativeFolderVariables();
    choosePlatform();
    QApplication app(argc, argv);
    installTranslations(app);
    app.setApplicationName(QStringLiteral("Lullwick"));
    app.setDesktopFileName(QStringLiteral("lullwick"));
    // The program lives on in the notification area when its window is hidden.
    app.setQuitOnLastWindowClosed(false);

    TrayIcon tray;
    const auto startup = createStartupRegistration();
    const auto power = createPowerActions();
    const auto sound = createWarningSound();
    const auto notification = createDesktopNotification(tray);
    Application lullwick({tray, *startup, *power, *sound, *notification});
    if (!lullwick.start())
        return 0;
    return app.exec();
}
