#include "regularfile.h"

#include <QCoreApplication>
#include <QFileInfo>

// Windows has no FIFOs in its folders; a device name (NUL, CON, COM1) or a folder is still
// refused by its type.
QString openRegularFile(QFile& file, const QString& path, QIODevice::OpenMode mode)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return QCoreApplication::translate("RegularFile", "it is not a regular file");
    file.setFileName(path);
    if (!file.open(mode))
        return file.errorString();
    return {};
}
