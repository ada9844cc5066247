#include "singleinstance.h"

#include <QDir>
#include <QFileInfo>

SingleInstance::SingleInstance(const QString& lockPath) : m_lock(lockPath)
{
    // Never treat a live instance's lock as stale because of its age; a dead one's lock is
    // recognised by its process id.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::tryAcquire()
{
    if (m_lock.isLocked())
        return true;
    QDir().mkpath(QFileInfo(m_lock.fileName()).absolutePath());
    // A lock that cannot be written (a read-only settings folder) must not keep the user from
    // scheduling: without it the instance runs as the only one it can know of.
    if (m_lock.tryLock(0))
        return true;
    return m_lock.error() != QLockFile::LockFailedError;
}
