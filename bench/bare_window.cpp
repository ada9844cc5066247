// A bare Qt window and nothing else: what tools/idle-cost.sh compares the program's idle cost
// with.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.resize(483, 470);
    window.show();
    return app.exec();
}
