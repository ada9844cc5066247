#include "instancelock.h"

#include <QDir>
#include <string>
#include <windows.h>

// The file is open for this process alone and deleted when its handle closes, which the system
// also does for a process that dies; a file that is still there is held by no one.

namespace {

HANDLE openAlone(const std::wstring& path)
{
    return CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr, OPEN_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
}

} // namespace

InstanceLock::Result InstanceLock::acquire(const QString& path)
{
    if (isHeld())
        return Result::Acquired;
    const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    HANDLE handle = openAlone(name);
    // A read-only file cannot be deleted on close, so it is made writable first.
    if (handle == INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED &&
        SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_NORMAL))
        handle = openAlone(name);
    if (handle == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_SHARING_VIOLATION ? Result::HeldByOther : Result::Unavailable;
    m_path = path;
    m_handle = reinterpret_cast<qintptr>(handle);
    return Result::Acquired;
}

void InstanceLock::release()
{
    if (!isHeld())
        return;
    CloseHandle(reinterpret_cast<HANDLE>(m_handle)); // which deletes the file
    m_handle = -1;
}
