#include "newfilecheck.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

QString newFileFailure(const QString& folder)
{
    const QByteArray name = QFile::encodeName(folder);
    // An unnamed file, so nothing is left behind.
    const int fd = ::open(name.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return {};
    }
    if (errno != EOPNOTSUPP && errno != EISDIR)
        return qt_error_string(errno);
    // A file system without unnamed files.
    return ::access(name.constData(), W_OK) == 0 ? QString() : qt_error_string(errno);
}
