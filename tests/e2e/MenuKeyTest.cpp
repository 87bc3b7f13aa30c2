// The main menu from the keyboard alone: F10 in the real window.
#include "EditItemDialog.h"
#include "Input.h"
#include "PastewiseApp.h"
#include "Poll.h"
#include "Screenshot.h"
#include "WindowQuery.h"

#include "about/AboutIds.h"
#include "app/MainIds.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

bool isSelectedFill(COLORREF c) {
    return isColour(c, 68, 74, 160);
}

// F10 opens the main menu under the "Menu" label with its first item selected, and a mnemonic
// chooses; Shift+F10 in the list still opens the row's menu.
TEST(MenuKey, F10OpensTheMainMenuUnderItsLabelWithTheFirstItemSelected) {
    PastewiseApp app;
    ASSERT_TRUE(app.addSnippet("text"));
    // The pointer out of the way, so that it selects nothing.
    ASSERT_TRUE(moveMouseTo({0, 0}));
    ASSERT_TRUE(bringToFront(app.mainWindow()));
    ASSERT_TRUE(pressKeys({VK_F10}));
    const HWND menu = pollFor([&] { return app.visibleMenu(); });
    ASSERT_NE(menu, nullptr) << "F10 opened no menu";
    RECT at{};
    GetWindowRect(menu, &at);
    const RECT label = app.drawnPlace(IDC_LABEL_MENU);
    EXPECT_EQ(at.left, label.left);
    // Below the label, or above it where the screen has no room below.
    EXPECT_TRUE(at.top == label.bottom || at.bottom == label.top)
        << at.top << "-" << at.bottom << " for a label at " << label.top << "-" << label.bottom;
    Screenshot shot;
    ASSERT_TRUE(waitUntil([&] {
        shot = Screenshot::of(menu);
        return shot.count([&](int x, int y) { return isSelectedFill(shot.at(x, y)); }) > 0;
    })) << "no item selected";
    const RECT selected = shot.bounds(isSelectedFill);
    EXPECT_LT(selected.top, 5) << "the selected item is not the first";
    ASSERT_TRUE(pressKeys({'A'}));
    const HWND about =
        waitForWindowWithChild(app.processId(), PastewiseApp::kAboutBoxClass, IDC_ABOUT_OK);
    ASSERT_NE(about, nullptr) << "the mnemonic chose nothing";
    ASSERT_TRUE(bringToFront(about) && pressKeys({VK_ESCAPE}));
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(about); }));

    // Shift+F10 with the keyboard in the list: the row's menu at the list, whose Edit opens the
    // Edit item dialog.
    ASSERT_TRUE(app.list().select(0));
    const auto row = app.list().rowRectOnScreen(0);
    ASSERT_TRUE(row.has_value());
    ASSERT_TRUE(clickAt({row->left + 10, (row->top + row->bottom) / 2}));
    ASSERT_TRUE(waitUntil([&] { return focusOfThread(app.mainWindow()) == app.list().window(); }));
    ASSERT_TRUE(holdKeys({VK_SHIFT}) && pressKeys({VK_F10}) && releaseKeys({VK_SHIFT}));
    const HWND rowMenu = pollFor([&] { return app.visibleMenu(); });
    ASSERT_NE(rowMenu, nullptr) << "Shift+F10 opened no menu";
    GetWindowRect(rowMenu, &at);
    EXPECT_NE(at.left, label.left) << "Shift+F10 opened the main menu";
    ASSERT_TRUE(pressKeys({'E'}));
    EXPECT_TRUE(EditItemDialog::waitFor(app).has_value()) << "Edit chose nothing";
}

} // namespace
} // namespace e2e
