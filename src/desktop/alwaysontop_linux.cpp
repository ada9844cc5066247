#include "alwaysontop.h"

#include <QWidget>
#include <QWindow>

// The window manager keeps a window with this hint above the others. A window that exists
// on screen gets the hint through its QWindow, which updates it in place; changing the
// widget's flags instead would hide the window and end a modal dialog's loop.
void SetAlwaysOnTop(QWidget* window, bool on)
{
    if (QWindow* handle = window->windowHandle())
        handle->setFlag(Qt::WindowStaysOnTopHint, on);
    else
        window->setWindowFlag(Qt::WindowStaysOnTopHint, on);
}
