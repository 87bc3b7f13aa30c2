#include "platform/win32/FormWindow.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace pw::win32 {
namespace {

class ShownForm : public ui::Form {
public:
    ShownForm() {
        SetWindowClass("PwFormWindowShowTest");
        SetDesignSize(100, 50, true);
        OnShow = [this] { ++shows; };
    }
    int shows = 0;
};

void Pump() {
    MSG msg{};
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

// The show handler runs at each showing by a call, once the window is visible, and not when
// the window only comes back with its owner (a dialog's handler would undo its user's edits).
TEST(FormWindowShow, TheShowHandlerRunsForEachShowingButNotWhenTheOwnerComesBack) {
    ShownForm form;
    FormWindow window(form);
    ASSERT_TRUE(window.Create(nullptr, nullptr, WS_POPUP, 0));
    window.ShowFirstTime(SW_SHOWNA);
    EXPECT_EQ(form.shows, 1); // at once, not at the next turn of the loop
    EXPECT_TRUE(IsWindowVisible(window.Handle()));
    SendMessageA(window.Handle(), WM_SHOWWINDOW, TRUE, SW_PARENTOPENING);
    Pump();
    EXPECT_EQ(form.shows, 1);
    ShowWindow(window.Handle(), SW_HIDE);
    ShowWindow(window.Handle(), SW_SHOWNA);
    Pump();
    EXPECT_EQ(form.shows, 2);
}

} // namespace
} // namespace pw::win32
