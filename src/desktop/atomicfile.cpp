#include "atomicfile.h"

#include "newfilecheck.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

QString writeFileAtomically(const QString& path, const QByteArray& content)
{
    // A failure here shows again, with the system's reason, when the file is opened.
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    // Unbuffered, and every write checked: QSaveFile (Qt 6.4) commits a truncated file when
    // its buffer fails to flush completely, and a short write reports no error by itself. A
    // write after a short one fails and gives the system's reason.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // Qt's message can miss the reason ("Unknown error" on a read-only file system).
        const QString reason = newFileFailure(QFileInfo(path).absolutePath());
        return reason.isEmpty() ? file.errorString() : reason;
    }
    qint64 written = 0;
    while (written < content.size()) {
        const qint64 n = file.write(content.constData() + written, content.size() - written);
        if (n <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return reason;
        }
        written += n;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}
