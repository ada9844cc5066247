#pragma once

#include <windows.h>

// What a clock change window is told. TimeZone: the local time zone or the locale may have
// changed (Windows announces a new zone with WM_TIMECHANGE, so a set clock gives Set, then
// TimeZone).
enum class ClockChange { Set, Suspending, Resumed, TimeZone };
using ClockChangeHandler = void (*)(void* context, ClockChange change);

// Creates a hidden top-level window that receives the system's broadcasts WM_TIMECHANGE,
// WM_POWERBROADCAST and WM_SETTINGCHANGE (message-only windows do not) and calls `handler` with `context` for
// each; nullptr on failure. The thread's message loop must run.
HWND createClockChangeWindow(ClockChangeHandler handler, void* context);
void destroyClockChangeWindow(HWND window);
