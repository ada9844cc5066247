#include "clockchangewindow.h"

namespace {

struct Receiver {
    ClockChangeHandler handler;
    void* context;
};

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    const auto* receiver = reinterpret_cast<const Receiver*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (receiver && message == WM_TIMECHANGE) {
        receiver->handler(receiver->context, ClockChange::Set);
        receiver->handler(receiver->context, ClockChange::TimeZone);
    }
    // "intl": the regional settings, which a new time zone may come with.
    if (receiver && message == WM_SETTINGCHANGE && lParam &&
        lstrcmpW(reinterpret_cast<const wchar_t*>(lParam), L"intl") == 0)
        receiver->handler(receiver->context, ClockChange::TimeZone);
    if (receiver && message == WM_POWERBROADCAST) {
        if (wParam == PBT_APMSUSPEND)
            receiver->handler(receiver->context, ClockChange::Suspending);
        else if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND)
            receiver->handler(receiver->context, ClockChange::Resumed);
        return TRUE;
    }
    if (message == WM_NCDESTROY)
        delete receiver;
    return DefWindowProcW(window, message, wParam, lParam);
}

const wchar_t* windowClass()
{
    static const wchar_t* const name = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = windowProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"LullwickClockChange";
        RegisterClassW(&windowClass);
        return windowClass.lpszClassName;
    }();
    return name;
}

} // namespace

HWND createClockChangeWindow(ClockChangeHandler handler, void* context)
{
    auto* receiver = new Receiver{handler, context};
    HWND window = CreateWindowExW(0, windowClass(), L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), receiver);
    if (!window)
        delete receiver;
    return window;
}

void destroyClockChangeWindow(HWND window)
{
    DestroyWindow(window);
}
