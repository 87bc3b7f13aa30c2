#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "Input.h"
#include "PastewiseApp.h"
#include "Screenshot.h"
#include "WindowQuery.h"
#include "about/AboutIds.h"
#include "app/MainIds.h"

namespace e2e {
namespace {

RECT screenRectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// Whether `held` shows what `rest` showed in its top-left square of `size`, two pixels
// further right and down.
bool sunkByTwo(const Screenshot& rest, const Screenshot& held, int size) {
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (rest.at(x, y) != held.at(x + 2, y + 2)) {
                return false;
            }
        }
    }
    return true;
}

HWND waitForAboutBox(const PastewiseApp& app) {
    return waitForWindowWithChild(app.processId(), PastewiseApp::kAboutBoxClass, IDC_ABOUT_OK);
}

// The hover image beside "Menu" sinks while the button is held and opens the main menu when it
// is let go; its "&About..." shows a modal about box, made anew at each choice and gone when
// it closes, by OK, by the window's own close or by Esc.
TEST(AboutBox, HoverImageOpensTheMenuWhoseAboutShowsAFreshModalBoxEachTime) {
    PastewiseApp app;
    const HWND main = app.mainWindow();
    POINT point{};
    ASSERT_TRUE(app.pointAtDrawn(IDC_IMAGE_MENU, 0, point));
    // Resting over it shows its hint.
    ASSERT_TRUE(moveMouseTo(point) && moveMouseTo({point.x + 1, point.y}));
    EXPECT_TRUE(waitUntil([&] {
        return findVisibleTopLevel(app.processId(), TOOLTIPS_CLASSA) != nullptr;
    })) << "no hint";
    // The picture and the two pixels it sinks into.
    RECT area = app.drawnPlace(IDC_IMAGE_MENU);
    const int size = area.right - area.left;
    area.right += 2;
    area.bottom += 2;
    const Screenshot rest = Screenshot::of(area);
    ASSERT_FALSE(rest.empty());
    ASSERT_TRUE(leftButtonAt(point, true));
    EXPECT_TRUE(waitUntil([&] { return sunkByTwo(rest, Screenshot::of(area), size); }))
        << "the image does not sink while pressed";
    ASSERT_TRUE(leftButtonAt(point, false));
    // Back in place. Only the quarter above and left of the pointer is compared: the hint comes
    // back below it and the menu opens beside it.
    const auto sameQuarter = [&](const Screenshot& now) {
        for (int y = 0; y < size / 2 - 2; ++y) {
            for (int x = 0; x < size / 2 - 2; ++x) {
                if (now.at(x, y) != rest.at(x, y)) {
                    return false;
                }
            }
        }
        return true;
    };
    EXPECT_TRUE(waitUntil([&] { return sameQuarter(Screenshot::of(area)); }));
    ASSERT_TRUE(app.pressInPopupMenu('A', "main menu"));

    HWND about = waitForAboutBox(app);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(windowText(about), "About Orvane Pastewise");
    EXPECT_EQ(windowText(findDescendant(about, IDC_ABOUT_VERSION)),
              "Version: 2.2   Build 20260714");
    RECT client{};
    GetClientRect(about, &client);
    EXPECT_EQ(client.right, 360);
    EXPECT_EQ(client.bottom, 243);
    const RECT box = screenRectOf(about);
    const RECT owner = screenRectOf(main);
    EXPECT_LE(std::abs((box.left + box.right) - (owner.left + owner.right)), 2);
    EXPECT_LE(std::abs((box.top + box.bottom) - (owner.top + owner.bottom)), 2);
    EXPECT_FALSE(IsWindowEnabled(main)) << "the about box is not modal";

    ASSERT_TRUE(clickButton(findDescendant(about, IDC_ABOUT_OK)));
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(about) && IsWindowEnabled(main); }));

    ASSERT_TRUE(app.chooseFromMainMenu('A'));
    about = waitForAboutBox(app);
    ASSERT_NE(about, nullptr);
    PostMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(about) && IsWindowEnabled(main); }));

    // Esc closes it as OK does.
    ASSERT_TRUE(app.chooseFromMainMenu('A'));
    about = waitForAboutBox(app);
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(bringToFront(about) && pressKeys({VK_ESCAPE}));
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(about) && IsWindowEnabled(main); }))
        << "Esc left the about box open";
    EXPECT_EQ(app.exit(), std::optional<DWORD>(0));
}

} // namespace
} // namespace e2e
