#include "showrequest.h"

#include <QCryptographicHash>
#include <QFileInfo>

QString showRequestSocketName(const QString& settingsFile)
{
    // A named pipe; UserAccessOption limits it to this user.
    const QByteArray hash =
        QCryptographicHash::hash(QFileInfo(settingsFile).absoluteFilePath().toLower().toUtf8(),
                                 QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    return QStringLiteral("lullwick-%1").arg(QString::fromLatin1(hash));
}
