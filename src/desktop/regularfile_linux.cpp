#include "regularfile.h"

#include <QCoreApplication>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString openRegularFile(QFile& file, const QString& path, QIODevice::OpenMode mode)
{
    const int access = mode.testFlag(QIODevice::Append) ? O_WRONLY | O_APPEND | O_CREAT : O_RDONLY;
    // O_NONBLOCK: a FIFO opens at once (or fails) instead of waiting for its other end; it is
    // then refused by its type.
    const int fd = ::open(QFile::encodeName(path).constData(), access | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0)
        return qt_error_string(errno);
    struct stat info {};
    QString reason;
    if (::fstat(fd, &info) != 0)
        reason = qt_error_string(errno);
    else if (S_ISDIR(info.st_mode))
        reason = qt_error_string(EISDIR);
    else if (!S_ISREG(info.st_mode))
        reason = QCoreApplication::translate("RegularFile", "it is not a regular file");
    else if (!file.open(fd, mode, QFileDevice::AutoCloseHandle))
        reason = file.errorString();
    if (!reason.isEmpty())
        ::close(fd);
    return reason;
}
