#include "platform/win32/FormWindow.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace pw::win32 {
namespace {

// A window with a link of its own window, as the about box has.
class LinkForm : public ui::Form {
public:
    LinkForm() {
        SetWindowClass("PwLinkSubclassTest");
        SetDesignSize(200, 100, true);
        Place(link, nullptr, 10, {10, 10, 120, 16}, "www.example.com");
        link.SetLinkColors({0, 0, 255}, {255, 0, 0});
        link.OnClick = [this] { ++clicks; };
    }
    ui::Label link{"lbLink"};
    int clicks = 0;
};

TEST(LinkSubclass, ALinkOpensOnTheLeftReleaseOverItAndNotOnThePress) {
    LinkForm form;
    FormWindow window{form};
    ASSERT_TRUE(window.Create(nullptr, nullptr, WS_POPUP, 0));
    ShowWindow(window.Handle(), SW_SHOWNA);
    const HWND link = GetDlgItem(window.Handle(), 10);
    ASSERT_NE(link, nullptr);
    struct Case {
        const char* name;
        LPARAM release; // where the left button goes up; 0 for none
        bool captureTaken;
        int clicks;
    };
    const Case cases[] = {
        {"released over it", MAKELPARAM(5, 5), false, 1},
        {"on its last pixel", MAKELPARAM(119, 15), false, 1},
        {"dragged off", MAKELPARAM(130, 5), false, 0},
        {"the mouse taken away", 0, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.clicks = 0;
        SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        EXPECT_EQ(form.clicks, 0) << "opened at the press";
        EXPECT_EQ(GetCapture(), link);
        if (c.captureTaken)
            ReleaseCapture();
        else
            SendMessageW(link, WM_LBUTTONUP, 0, c.release);
        EXPECT_EQ(form.clicks, c.clicks);
        EXPECT_NE(GetCapture(), link);
    }
}

} // namespace
} // namespace pw::win32
