#include "desktop/win32/alwaysontop.h"

#include <gtest/gtest.h>

// Only -1 (true) makes a window topmost; every call keeps its place and size.
TEST(AlwaysOnTop, TrueMakesTheWindowTopmostAnyOtherValueTakesThatAway)
{
    const HWND window = CreateWindowExA(0, "STATIC", "topmost test", WS_POPUP, 40, 50, 120, 80, nullptr,
                                        nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr) << GetLastError();
    const auto state = [&] {
        RECT r{};
        GetWindowRect(window, &r);
        const bool topmost = (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        return std::to_string(topmost) + ' ' + std::to_string(r.left) + ',' + std::to_string(r.top) + ' ' +
               std::to_string(r.right - r.left) + 'x' + std::to_string(r.bottom - r.top);
    };
    const struct {
        std::int16_t on;
        bool returnsNonZero;
        const char* state;
    } rows[] = {{-1, true, "1 40,50 120x80"}, {0, false, "0 40,50 120x80"}, {-1, true, "1 40,50 120x80"},
                {1, false, "0 40,50 120x80"}, {-1, true, "1 40,50 120x80"}, {2, false, "0 40,50 120x80"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.on);
        EXPECT_EQ(SetAlwaysOnTop(window, row.on) != 0, row.returnsNonZero);
        EXPECT_EQ(state(), row.state);
    }
    DestroyWindow(window);
    EXPECT_EQ(SetAlwaysOnTop(window, -1), 0); // a failure is returned
}
