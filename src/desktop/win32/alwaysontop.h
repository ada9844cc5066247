#pragma once

#include <cstdint>
#include <windows.h>

// Puts `window` above all non-topmost windows when `on` is -1 (true) and returns
// SetWindowPos' result; any other value takes it out of the topmost band and returns 0.
// Position and size stay as they are.
std::int32_t SetAlwaysOnTop(HWND window, std::int16_t on);
