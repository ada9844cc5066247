#include "alwaysontop.h"
#include "win32/alwaysontop.h"

#include <QWidget>

void SetAlwaysOnTop(QWidget* window, bool on)
{
    ::SetAlwaysOnTop(reinterpret_cast<HWND>(window->winId()), on ? -1 : 0);
}
