#include "app/application.h"
#include "app/translations.h"
#include "control/commandline.h"
#include "control/commandrun.h"
#include "control/controller.h"
#include "control/controlservice.h"
#include "desktop/desktopnotification.h"
#include "desktop/paths.h"
#include "desktop/platformchoice.h"
#include "desktop/startup.h"
#include "desktop/trayicon.h"
#include "execution/shutdown.h"
#include "execution/sound.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

void nameProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("Lullwick"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LULLWICK_VERSION));
}

} // namespace

int main(int argc, char** argv)
{
    Paths::ignoreRelativeFolderVariables();
    // A command runs without a display and ends; --show and --start with no instance running
    // go on to start the program.
    if (asksForCommand(argc, argv)) {
        {
            QCoreApplication app(argc, argv);
            installTranslations(app);
            nameProgram();
            const int status = runCommandLine(QCoreApplication::arguments());
            // Ends at once: the command's bus connection may still be closing in QtDBus's own
            // thread, which would race the destruction of Qt's statics.
            if (status != CommandStatus::StartProgram) {
                std::fflush(nullptr);
                std::_Exit(status);
            }
        }
    }
    choosePlatform();
    QApplication app(argc, argv);
    installTranslations(app);
    nameProgram();
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
    // Only the running instance answers commands.
    Controller controller(lullwick.scheduler(),
                          {[&] { lullwick.showMainWindow(); }, [&] { lullwick.exit(); }});
    QString error;
    const auto control = publishController(controller, &error);
    if (!control)
        qWarning("Commands cannot reach Lullwick: %s", qPrintable(error));
    return app.exec();
}
