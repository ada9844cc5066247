#include "singleinstance.h"

#include "paths.h"

#include <QDir>
#include <QFileInfo>

SingleInstance::SingleInstance(const QString& lockPath) : m_lockPath(lockPath) {}

bool SingleInstance::tryAcquire()
{
    if (m_lock.isHeld() || m_unguarded)
        return true;
    QDir().mkpath(QFileInfo(m_lockPath).absolutePath());
    auto result = m_lock.acquire(m_lockPath);
    if (result == InstanceLock::Result::Unavailable) {
        const QString inRuntime = Paths::inRuntimeFolder(m_lockPath, QStringLiteral(".lock"));
        if (!inRuntime.isEmpty())
            result = m_lock.acquire(inRuntime);
    }
    m_unguarded = result == InstanceLock::Result::Unavailable;
    return result != InstanceLock::Result::HeldByOther;
}
