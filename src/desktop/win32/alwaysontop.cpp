#include "alwaysontop.h"

std::int32_t SetAlwaysOnTop(HWND window, std::int16_t on)
{
    // SWP_NOSIZE | SWP_NOMOVE
    constexpr UINT KeepPlace = 3;
    if (on == -1)
        return SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, KeepPlace);
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, KeepPlace);
    return 0;
}
