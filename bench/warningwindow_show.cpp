// Shows the warning window alone, on fakes, for looking at it (screenshots under Xvfb):
//   warningwindow_show [EVENT] [abort|noabort] [POINT_SIZE] [dark]
// e.g. QT_SCALE_FACTOR=2 build/bench/warningwindow_show PowerOff noabort 11 dark
// "dark" runs it with Fusion and a dark palette, as a dark desktop theme would.
#include "execution/warningwindow.h"
#include "support/fakes.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char** argv)
{
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
    FakeWarningHost host;
    host.count = QStringLiteral("999"); // never runs out while looked at
    host.abort = args.value(2) != QLatin1String("noabort");
    FakePower power;
    FakeSound sound;
    FakeNotification notification;
    WarningWindow warning(host,
                          DueEvent{QStringLiteral("07:30:00 PM"), args.value(1, QStringLiteral("PowerOff")),
                                   QStringLiteral("Daily"), QStringLiteral("0")},
                          power, sound, notification);
    return warning.exec();
}
