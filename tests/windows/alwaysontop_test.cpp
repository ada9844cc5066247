#include "desktop/win32/alwaysontop.h"

#include <gtest/gtest.h>

namespace {

class AlwaysOnTop : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = CreateWindowExA(0, "STATIC", "Lullwick topmost test", WS_POPUP, 40, 50, 120, 80, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr) << GetLastError();
    }
    void TearDown() override { DestroyWindow(window); }

    bool topmost() const { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
    RECT place() const
    {
        RECT rect{};
        GetWindowRect(window, &rect);
        return rect;
    }

    HWND window = nullptr;
};

bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

} // namespace

TEST_F(AlwaysOnTop, TrueMakesTheWindowTopmostAndReturnsTheResult)
{
    const RECT before = place();
    EXPECT_NE(SetAlwaysOnTop(window, -1), 0);
    EXPECT_TRUE(topmost());
    EXPECT_TRUE(place() == before);
}

TEST_F(AlwaysOnTop, AnyOtherValueTakesTopmostAwayAndReturnsZero)
{
    for (const std::int16_t on : {0, 1, 2}) {
        SCOPED_TRACE(on);
        ASSERT_NE(SetAlwaysOnTop(window, -1), 0);
        ASSERT_TRUE(topmost());
        const RECT before = place();
        EXPECT_EQ(SetAlwaysOnTop(window, on), 0);
        EXPECT_FALSE(topmost());
        EXPECT_TRUE(place() == before);
    }
}

TEST_F(AlwaysOnTop, FailureIsReturnedForTrueOnly)
{
    const HWND gone = window;
    DestroyWindow(window);
    window = nullptr;
    EXPECT_EQ(SetAlwaysOnTop(gone, -1), 0);
}
