#include "appicons.h"

QIcon appIcon(AppIcon which)
{
    const QString base = QStringLiteral(":/icons/icon%1").arg(static_cast<int>(which));
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral("%1-%2.png").arg(base).arg(size), QSize(size, size));
    return icon;
}
