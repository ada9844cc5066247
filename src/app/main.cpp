#include "desktop/iconadd.h"
#include "desktop/startup.h"
#include "execution/shutdown.h"
#include "execution/sound.h"
#include "mainwindow/form1.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Lullwick"));
    app.setDesktopFileName(QStringLiteral("lullwick"));
    // The program lives on in the notification area when its window is hidden.
    app.setQuitOnLastWindowClosed(false);

    IconAdd tray;
    const auto startup = createStartupRegistration();
    const auto power = createPowerActions();
    const auto sound = createWarningSound();
    Form1 form(Form1Services{tray, *startup, *power, *sound});
    if (!form.Form_Load())
        return 0;
    form.Form_Activate();
    return app.exec();
}
