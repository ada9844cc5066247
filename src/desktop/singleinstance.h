#pragma once

#include <QLockFile>

// Tells whether another instance of the program runs on the same settings, by holding a lock
// file for the life of this object. The lock of an instance that was killed is taken over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath);

    // True when this instance now holds the lock, false when another instance holds it.
    bool tryAcquire();

private:
    QLockFile m_lock;
};
