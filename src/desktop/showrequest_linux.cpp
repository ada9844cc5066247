#include "showrequest.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString showRequestSocketName(const QString& settingsFile)
{
    const QFileInfo file(settingsFile);
    const QString canonical = file.canonicalFilePath();
    const QByteArray hash =
        QCryptographicHash::hash((canonical.isEmpty() ? file.absoluteFilePath() : canonical).toUtf8(),
                                 QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    // The runtime folder is the user's own (mode 0700), so no one else can take the name first.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
        .filePath(QStringLiteral("lullwick-%1.socket").arg(QString::fromLatin1(hash)));
}
