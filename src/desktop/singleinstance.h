#pragma once

#include "instancelock.h"

// Tells whether another instance of the program runs on the same settings, by holding a lock
// file for the life of this object or until endProgram(). The lock of an instance that is gone
// is taken over; a living instance's never is.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath);

    // True when this instance now holds the lock, false when another instance holds it. Where no
    // lock can be made at `lockPath` (a folder that cannot be written), the lock is taken in the
    // user's runtime folder, named from `lockPath`; where it cannot be made there either, the
    // instance runs as the only one it can know of, and this returns true.
    bool tryAcquire();

private:
    QString m_lockPath;
    InstanceLock m_lock;
    bool m_unguarded = false;
};
