#include "appicons.h"

#include <QImageReader>
#include <QPixmap>

QIcon appIcon(AppIcon which)
{
    const QString base = QStringLiteral(":/icons/icon%1").arg(static_cast<int>(which));
    QIcon icon;
    for (int size : {16, 32, 48}) {
        // Read as PNG only: a reader that guesses the format first loads every image plugin
        // installed, which an idle tray program then keeps in memory.
        QImageReader reader(QStringLiteral("%1-%2.png").arg(base).arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}
