#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "PastewiseApp.h"
#include "ScreenDpi.h"
#include "app/MainIds.h"

namespace e2e {
namespace {

SIZE sizeOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

// How wide a caption is in the design's font at this height in pixels.
int captionWidth(const std::string& text, int fontHeight) {
    HDC dc = GetDC(nullptr);
    HFONT font = CreateFontA(-fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
    HGDIOBJ old = SelectObject(dc, font);
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    return extent.cx;
}

TEST(HighDpi, At144DpiTheWindowItsMinimumAndItsCaptionsGrowByHalf) {
    const ScreenDpi screen(144);
    ASSERT_TRUE(screen.set());
    PastewiseApp app;
    const HWND main = app.mainWindow();
    // A first start asks for less than the minimum, which is half as big again.
    SIZE outer{};
    ASSERT_TRUE(waitUntil([&] {
        outer = sizeOf(main);
        return outer.cx == 806 && outer.cy == 702;
    })) << outer.cx
        << " by " << outer.cy;

    const SIZE exitButton = sizeOf(app.control(IDC_BUTTON_EXIT));
    EXPECT_EQ(exitButton.cx, 90);
    EXPECT_EQ(exitButton.cy, 40);
    // Every control half as big again, and its caption in the program's larger font takes no
    // more of it than at 96 DPI (Wine's stand-in for the design's font is a little wider than
    // the original at any size).
    const struct {
        int id;
        const char* caption;
        int designWidth;
        int width;
    } captions[] = {{IDC_CHECK_AUTOCOPY, "Enable auto copy from clipboard", 175, 262},
                    {IDC_CHECK_AUTOADD, "Auto-add clipboard text to list", 159, 238},
                    {IDC_CHECK_ALWAYSONTOP, "Always on Top", 93, 140}};
    for (const auto& c : captions) {
        const int width = sizeOf(app.control(c.id)).cx;
        EXPECT_EQ(width, c.width) << c.caption;
        const double share96 = static_cast<double>(captionWidth(c.caption, 11)) / c.designWidth;
        const double share144 = static_cast<double>(captionWidth(c.caption, 16)) / width;
        EXPECT_LE(share144, share96 + 0.01) << c.caption;
    }

    // Asked to shrink, it stops at the minimum for the DPI.
    SetWindowPos(main, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(waitUntil([&] {
        const SIZE now = sizeOf(main);
        return now.cx == 806 && now.cy == 702;
    }));
}

} // namespace
} // namespace e2e
