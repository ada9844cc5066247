#pragma once

#include "programend.h"

#include <QString>

// An exclusive lock on a file, held by this process until release() or its end. The system
// drops it when the process dies, so a file left by an instance that is gone is taken over
// whatever it holds and whatever its mode. The file is removed on release, also when
// endProgram() ends the program.
class InstanceLock {
public:
    enum class Result {
        Acquired,
        HeldByOther, // a living process holds it
        Unavailable, // no lock can be made at that path (a folder that cannot be written)
    };

    InstanceLock() = default;
    ~InstanceLock() { release(); }
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    Result acquire(const QString& path);
    bool isHeld() const { return m_handle != -1; }
    void release();

private:
    QString m_path;
    qintptr m_handle = -1; // a descriptor; a HANDLE on Windows
    ProgramEndAction m_releaseAtEnd{[this] { release(); }};
};
