#include "playsound.h"

#include <windows.h> // with mmsystem.h and sndPlaySoundA

bool PlaySoundFile(const std::string& fileName)
{
    // SND_ASYNC + SND_NODEFAULT
    constexpr UINT Flags = 3;
    static_assert(Flags == (SND_ASYNC | SND_NODEFAULT));
    return sndPlaySoundA(fileName.c_str(), Flags) != FALSE;
}

bool WriteSoundFile(const std::string& fileName, const std::string& bytes)
{
    // CREATE_NEW refuses any existing name, a link included, so the bytes land only in a
    // file made here.
    const std::string newName = fileName + "." + std::to_string(GetCurrentProcessId()) + ".new";
    HANDLE file =
        CreateFileA(newName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool complete =
        WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr) && written == bytes.size();
    CloseHandle(file);
    if (complete && MoveFileExA(newName.c_str(), fileName.c_str(), MOVEFILE_REPLACE_EXISTING))
        return true;
    DeleteFileA(newName.c_str());
    return false;
}
