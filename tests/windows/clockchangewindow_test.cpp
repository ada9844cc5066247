#include "desktop/win32/clockchangewindow.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

void record(void* context, ClockChange change)
{
    static_cast<std::vector<ClockChange>*>(context)->push_back(change);
}

} // namespace

// The hidden window turns the broadcasts about the clock and about sleep into calls, and
// ignores the power messages that are not about waking or going to sleep.
TEST(ClockChangeWindow, BroadcastsBecomeCalls)
{
    std::vector<ClockChange> seen;
    HWND window = createClockChangeWindow(record, &seen);
    ASSERT_NE(window, nullptr) << GetLastError();
    const struct {
        HWND to;
        UINT message;
        WPARAM wParam;
    } sent[] = {
        {HWND_BROADCAST, WM_TIMECHANGE, 0},
        {window, WM_POWERBROADCAST, PBT_APMSUSPEND},
        {window, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC},
        {window, WM_POWERBROADCAST, PBT_APMRESUMESUSPEND},
        {window, WM_POWERBROADCAST, PBT_APMPOWERSTATUSCHANGE},
        {window, WM_SETTINGCHANGE, 0},
    };
    for (const auto& s : sent)
        SendMessageTimeoutW(s.to, s.message, s.wParam, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    EXPECT_EQ(seen, (std::vector<ClockChange>{ClockChange::Set, ClockChange::Suspending, ClockChange::Resumed,
                                              ClockChange::Resumed}));
    EXPECT_FALSE(IsWindowVisible(window));
    destroyClockChangeWindow(window);
    EXPECT_FALSE(IsWindow(window));
}
