#include "regularfile.h"

#include <QCoreApplication>
#include <QFileInfo>

FileContent readRegularFile(const QString& path, qint64 maxBytes, FilePart part)
{
    FileContent content;
    QFile file;
    content.error = openRegularFile(file, path, QIODevice::ReadOnly);
    if (!content.error.isEmpty()) {
        content.missing = !QFileInfo::exists(path);
        return content;
    }
    const qint64 size = file.size();
    if (part == FilePart::End && size > maxBytes) {
        content.partial = file.seek(size - maxBytes);
        if (!content.partial)
            content.error = file.errorString();
    }
    if (content.error.isEmpty()) {
        // Up to one byte more than the bound, which tells a file that grew, or does not give its
        // size, from one that fits; in pieces, so a small file takes a small buffer.
        const qint64 limit = maxBytes + 1;
        const qint64 piece = qBound<qint64>(4096, size + 1, limit);
        while (content.data.size() < limit) {
            const QByteArray read = file.read(qMin(piece, limit - content.data.size()));
            if (read.isEmpty())
                break;
            content.data += read;
        }
        if (file.error() != QFileDevice::NoError)
            content.error = file.errorString();
    }
    if (content.error.isEmpty() && content.data.size() > maxBytes) {
        if (part == FilePart::Whole) {
            content.error = QCoreApplication::translate("RegularFile", "it is larger than %1 MB")
                                .arg(maxBytes / (1024 * 1024));
        } else {
            content.data.remove(0, content.data.size() - maxBytes);
            content.partial = true;
        }
    }
    if (!content.error.isEmpty())
        content.data.clear();
    return content;
}
