#include "instancelock.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

// flock() rather than the content of the file tells who holds it: no process id to read back,
// nothing half-written to misread while another instance is still making the file.

namespace {

// True while `path` still names the regular file open at `descriptor`.
bool isFileAt(int descriptor, const QByteArray& path)
{
    struct stat opened = {}, named = {};
    return ::fstat(descriptor, &opened) == 0 && ::stat(path.constData(), &named) == 0 &&
           S_ISREG(opened.st_mode) && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

} // namespace

InstanceLock::Result InstanceLock::acquire(const QString& path)
{
    if (isHeld())
        return Result::Acquired;
    const QByteArray name = QFile::encodeName(path);
    // An instance that ends removes its file while still holding it; one locked just then is no
    // longer at the path, and the path is opened again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        int descriptor =
            ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
        // A lock left read-only (or by a run as another user) can be locked through reading.
        if (descriptor < 0 && errno == EACCES)
            descriptor = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (descriptor < 0)
            return Result::Unavailable;
        if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
            const bool held = errno == EWOULDBLOCK;
            ::close(descriptor);
            return held ? Result::HeldByOther : Result::Unavailable;
        }
        if (isFileAt(descriptor, name)) {
            m_path = path;
            m_handle = descriptor;
            return Result::Acquired;
        }
        ::close(descriptor);
    }
    return Result::Unavailable;
}

void InstanceLock::release()
{
    if (!isHeld())
        return;
    const int descriptor = static_cast<int>(m_handle);
    const QByteArray name = QFile::encodeName(m_path);
    if (isFileAt(descriptor, name))
        ::unlink(name.constData());
    ::close(descriptor);
    m_handle = -1;
}
