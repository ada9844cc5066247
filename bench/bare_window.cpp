// A bare Qt window showing one line of text and nothing else: what tools/idle-cost.sh compares
// the program's idle cost with. The line of text matters: any window with text loads the font
// stack (fontconfig, FreeType, HarfBuzz and a font file, about 3.5 MB resident), which a window
// that draws nothing never maps.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Next: Shutdown at 09:30:00 PM"));
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.resize(483, 470);
    window.show();
    return app.exec();
}
