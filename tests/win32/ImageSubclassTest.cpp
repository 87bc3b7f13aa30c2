#include "about/WlmShiftImage.h"
#include "platform/win32/FormWindow.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace pw::win32 {
namespace {

// A window with a hover image and a plain picture on it.
class PictureForm : public ui::Form {
public:
    PictureForm() {
        SetWindowClass("PwImageSubclassTest");
        SetDesignSize(200, 100, true);
        Place(menu, nullptr, 10, {10, 10, 32, 32});
        Place(red, nullptr, 11, {60, 10, 40, 20});
        menu.SetPicture(ui::Picture::Icon(1));
        menu.SetNoFocusedPicture(ui::Picture::Icon(1));
        menu.SetFocusedPicture(ui::Picture::Icon(2));
        menu.OnClick = [this] { ++clicks; };
        // Four red pixels, stretched over the whole control.
        ui::Bitmap pixels{2, 2, {}};
        for (int i = 0; i < 4; ++i)
            pixels.bgra.insert(pixels.bgra.end(), {0, 0, 255, 255});
        red.SetPicture(ui::Picture::Pixels(pixels));
        red.SetStretch(true);
    }
    TWlmShiftImage menu{"wsiMenu"};
    ui::Image red{"red"};
    int clicks = 0;
};

class ImageSubclassTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.Create(nullptr, nullptr, WS_POPUP, 0));
        ShowWindow(window.Handle(), SW_SHOWNA);
        menu = GetDlgItem(window.Handle(), 10);
        ASSERT_NE(menu, nullptr);
    }
    // Where the control sits on its window.
    POINT Place() const {
        RECT r{};
        GetWindowRect(menu, &r);
        POINT p{r.left, r.top};
        ScreenToClient(window.Handle(), &p);
        return p;
    }
    PictureForm form;
    FormWindow window{form};
    HWND menu = nullptr;
};

TEST_F(ImageSubclassTest, TheMouseSwapsThePicturesAndAPressSinksTheControlUntilTheClick) {
    SendMessageA(menu, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(form.menu.GetPicture().IconId(), 2);
    SendMessageA(menu, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(form.menu.GetPicture().IconId(), 1);

    SendMessageA(menu, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(Place().x, 12);
    EXPECT_EQ(Place().y, 12);
    EXPECT_EQ(form.clicks, 0); // not at the press
    SendMessageA(menu, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(Place().x, 10);
    EXPECT_EQ(Place().y, 10);
    EXPECT_EQ(form.clicks, 1);

    // Released away from it: back in place, no click.
    SendMessageA(menu, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(menu, WM_LBUTTONUP, 0, MAKELPARAM(-20, 5));
    EXPECT_EQ(Place().x, 10);
    EXPECT_EQ(form.clicks, 1);
}

TEST_F(ImageSubclassTest, PixelsAreDrawnStretchedOverTheControl) {
    HWND red = GetDlgItem(window.Handle(), 11);
    ASSERT_NE(red, nullptr);
    UpdateWindow(window.Handle());
    HDC dc = GetDC(red);
    const COLORREF middle = GetPixel(dc, 20, 10);
    const COLORREF corner = GetPixel(dc, 39, 19);
    ReleaseDC(red, dc);
    EXPECT_EQ(middle, RGB(255, 0, 0));
    EXPECT_EQ(corner, RGB(255, 0, 0));
}

} // namespace
} // namespace pw::win32
