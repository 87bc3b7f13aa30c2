#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cmath>

#include "PastewiseApp.h"
#include "Screenshot.h"
#include "WindowQuery.h"
#include "app/MainIds.h"

namespace e2e {
namespace {

// A control's rectangle in the main window's client coordinates.
RECT placeOf(const PastewiseApp& app, int id) {
    RECT r{};
    GetWindowRect(app.control(id), &r);
    MapWindowPoints(nullptr, app.mainWindow(), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

SIZE outerSize(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

TEST(WindowLayout, ResizingLaysOutTheControlsAndColumnsAndStopsAtTheMinimum) {
    PastewiseApp app;
    const HWND main = app.mainWindow();
    RECT client{};
    GetClientRect(main, &client);
    const SIZE outer = outerSize(main);
    const int frameWidth = outer.cx - client.right;
    const int frameHeight = outer.cy - client.bottom;
    // The window was built at its design size, 537 by 468, and keeps its proportions.
    const int width = 1000;
    const int height = 600;
    const double scale = static_cast<double>(width) / (537 - frameWidth);
    ASSERT_TRUE(SetWindowPos(main, nullptr, 0, 0, width + frameWidth, height + frameHeight,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE));
    ASSERT_TRUE(waitUntil([&] {
        return placeOf(app, IDC_LISTVIEW).right == width - 8 &&
               placeOf(app, IDC_BUTTON_EXIT).bottom == height - 12;
    }));

    const RECT list = placeOf(app, IDC_LISTVIEW);
    const RECT edit = placeOf(app, IDC_BUTTON_EDIT);
    EXPECT_EQ(list.left, 8);
    EXPECT_EQ(list.top, 151);
    EXPECT_EQ(list.bottom, edit.top - 15);
    EXPECT_EQ(edit.left, std::lround(158 * scale));
    EXPECT_EQ(edit.right - edit.left, 60);
    EXPECT_EQ(placeOf(app, IDC_BUTTON_EXIT).left, std::lround(450 * scale));

    const HWND listView = app.control(IDC_LISTVIEW);
    const auto column = [&](int i) { return sendTo(listView, LVM_GETCOLUMNWIDTH, i).value_or(-1); };
    const int listWidth = list.right - list.left;
    EXPECT_EQ(column(0), 40);
    EXPECT_EQ(column(1), std::lround(375 * scale));
    EXPECT_EQ(column(2), listWidth - 40 - std::lround(375 * scale) - 30);

    const RECT add = placeOf(app, IDC_BUTTON_ADD);
    EXPECT_EQ(add.right, list.right - 12);
    EXPECT_EQ(add.left - placeOf(app, IDC_EDIT_CLIPSTRING).right, 12);
    EXPECT_EQ(placeOf(app, IDC_CHECK_ALWAYSONTOP).right, width - 20);
    // The banner reaches the right edge; the Menu label's blue caption sits on its row.
    const RECT banner = app.drawnPlace(IDC_IMAGE_TITLE);
    const Screenshot bannerEnd =
        Screenshot::of({banner.right - 2, banner.top, banner.right, banner.bottom});
    EXPECT_EQ(bannerEnd.count(
                  [&](int x, int y) { return bannerEnd.at(x, y) == GetSysColor(COLOR_BTNFACE); }),
              0);
    // The Menu label's blue caption lies in its row, 8 + 17 pixels below the list.
    RECT below{45, list.bottom, 45 + 32, list.bottom + 60};
    MapWindowPoints(main, nullptr, reinterpret_cast<POINT*>(&below), 2);
    const Screenshot band = Screenshot::of(below);
    const RECT blue = band.bounds([](COLORREF c) { return isColour(c, 0, 0, 255); });
    ASSERT_GE(blue.right, blue.left) << "no Menu label below the list";
    EXPECT_GE(blue.top, 8 + 17);
    EXPECT_LT(blue.bottom, 8 + 17 + 13);

    // Asked to shrink far below it, the window keeps its minimum size.
    SetWindowPos(main, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(
        waitUntil([&] { return placeOf(app, IDC_LISTVIEW).right == 537 - frameWidth - 8; }));
    const SIZE smallest = outerSize(main);
    EXPECT_EQ(smallest.cx, 537);
    EXPECT_EQ(smallest.cy, 468);
}

} // namespace
} // namespace e2e
