// Shows one of the program's windows on fakes, for looking at it (screenshots under Xvfb):
//   window_show main|edit|log|warning|menu [STYLE [POINT_SIZE [dark]]]   (LANGUAGE=de for German)
// e.g. QT_SCALE_FACTOR=2 build/bench/window_show warning Fusion 11 dark
// "dark" gives a dark palette, as a dark desktop theme would. It runs in a temporary home with
// a few entries, counts down forever for "warning", and never asks for a power action.
#include "app/application.h"
#include "app/translations.h"
#include "desktop/clock.h"
#include "editwindow/editwindow.h"
#include "logviewer/logviewer.h"
#include "mainwindow/mainwindow.h"
#include "schedule/timetext.h"
#include "support/fakes.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QMenu>
#include <QPalette>
#include <QStyleFactory>
#include <QTemporaryDir>

int main(int argc, char** argv)
{
    QTemporaryDir home;
    for (const char* folder : {"XDG_CONFIG_HOME", "XDG_DATA_HOME"})
        qputenv(folder, home.path().toUtf8());
    QApplication app(argc, argv);
    installTranslations(app);
    const QStringList args = app.arguments();
    const QString window = args.value(1, QStringLiteral("main"));
    if (args.size() > 2)
        QApplication::setStyle(QStyleFactory::create(args.at(2)));
    if (args.size() > 3) {
        QFont font = QApplication::font();
        font.setPointSize(args.at(3).toInt());
        QApplication::setFont(font);
    }
    if (args.contains(QStringLiteral("dark"))) {
        QPalette dark(QColor(53, 53, 53), QColor(30, 30, 30));
        dark.setColor(QPalette::WindowText, Qt::white);
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::ButtonText, Qt::white);
        dark.setColor(QPalette::Link, QColor(100, 170, 255));
        dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(90, 90, 90));
        QApplication::setPalette(dark);
    }
    FakeTray tray;
    FakeStartup startup;
    FakePower power;
    FakeSound sound;
    FakeNotification notification;
    Application lullwick({tray, startup, power, sound, notification});
    lullwick.start();
    Scheduler& scheduler = lullwick.scheduler();
    const QDate today = Clock::now().date();
    scheduler.addEntry({makeRecordText(today, QStringLiteral("11:45:00 PM")), QStringLiteral("Enabled"),
                        QStringLiteral("Daily"), QStringLiteral("PowerOff")});
    scheduler.addEntry({makeRecordText(today.addDays(3), QStringLiteral("07:30:00 PM")),
                        QStringLiteral("Enabled"), QStringLiteral("Weekly"), QStringLiteral("Hibernate")});
    scheduler.addEntry({makeRecordText(today, QStringLiteral("06:00:00 AM")), QStringLiteral("Disabled"),
                        QStringLiteral("WeekDays"), QStringLiteral("Logoff")});
    if (window == QLatin1String("edit")) {
        EditWindow edit(scheduler, 1, lullwick.mainWindow());
        return edit.exec();
    }
    if (window == QLatin1String("log")) {
        QFile log(home.filePath(QStringLiteral("LogFile.log")));
        if (log.open(QIODevice::WriteOnly))
            log.write("\"PowerOff at 11:45:00 PM on 12/6/2026\"\r\n\"Reboot aborted at 7:30:02 PM on "
                      "12/7/2026\"\r\n");
        log.close();
        LogViewer viewer(log.fileName());
        viewer.load();
        return viewer.exec();
    }
    if (window == QLatin1String("menu")) // the tray icon's menu, as a click on the icon opens it
        tray.menu->popup(QPoint(40, 40));
    if (window == QLatin1String("warning")) {
        Options options = scheduler.options();
        options.CountTimer = QStringLiteral("999"); // never runs out while looked at
        scheduler.setOptions(options);
        const QDateTime due = Clock::now().addSecs(1);
        scheduler.addEntry(
            {makeRecordText(due.date(), formatTimeText(due.time().msecsSinceStartOfDay() / 1000)),
             QStringLiteral("Enabled"), QStringLiteral("Once"), QStringLiteral("PowerOff")});
    }
    return app.exec();
}
