#pragma once

#include <windows.h>

// What a clock change window is told.
enum class ClockChange { Set, Suspending, Resumed };
using ClockChangeHandler = void (*)(void* context, ClockChange change);

// Creates a hidden top-level window that receives the system's broadcasts WM_TIMECHANGE and
// WM_POWERBROADCAST (message-only windows do not) and calls `handler` with `context` for each;
// nullptr on failure. The thread's message loop must run.
HWND createClockChangeWindow(ClockChangeHandler handler, void* context);
void destroyClockChangeWindow(HWND window);
