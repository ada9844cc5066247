#include "playsound.h"

#include <windows.h> // with mmsystem.h and sndPlaySoundA

bool PlaySoundFile(const std::string& fileName)
{
    // SND_ASYNC + SND_NODEFAULT
    constexpr UINT Flags = 3;
    static_assert(Flags == (SND_ASYNC | SND_NODEFAULT));
    return sndPlaySoundA(fileName.c_str(), Flags) != FALSE;
}
