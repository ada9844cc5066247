// Shows the warning window of a countdown, on fakes, for looking at it (screenshots under Xvfb):
//   warningwindow_show [EVENT] [abort|noabort] [POINT_SIZE] [dark]
// e.g. QT_SCALE_FACTOR=2 build/bench/warningwindow_show PowerOff noabort 11 dark
// "dark" runs it with Fusion and a dark palette, as a dark desktop theme would. It runs in a
// temporary home and never asks for a power action.
#include "app/application.h"
#include "desktop/clock.h"
#include "schedule/timetext.h"
#include "support/fakes.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QStyleFactory>
#include <QTemporaryDir>

int main(int argc, char** argv)
{
    QTemporaryDir home;
    for (const char* folder : {"XDG_CONFIG_HOME", "XDG_DATA_HOME"})
        qputenv(folder, home.path().toUtf8());
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.contains(QStringLiteral("dark"))) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QPalette dark(QColor(53, 53, 53), QColor(30, 30, 30));
        dark.setColor(QPalette::WindowText, Qt::white);
        dark.setColor(QPalette::ButtonText, Qt::white);
        dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(90, 90, 90));
        QApplication::setPalette(dark);
    }
    if (args.size() > 3) {
        QFont font = QApplication::font();
        font.setPointSize(args.at(3).toInt());
        QApplication::setFont(font);
    }
    FakeTray tray;
    FakeStartup startup;
    FakePower power;
    FakeSound sound;
    FakeNotification notification;
    Application lullwick({tray, startup, power, sound, notification});
    lullwick.start();
    Scheduler& scheduler = lullwick.scheduler();
    Options options = scheduler.options();
    options.CountTimer = QStringLiteral("999"); // never runs out while looked at
    options.AbortBtn = args.value(2) != QLatin1String("noabort");
    scheduler.setOptions(options);
    const QDateTime due = Clock::now().addSecs(1);
    scheduler.addEntry({makeRecordText(due.date(), formatTimeText(due.time().msecsSinceStartOfDay() / 1000)),
                        QStringLiteral("Enabled"), QStringLiteral("Once"),
                        args.value(1, QStringLiteral("PowerOff"))});
    return app.exec();
}
