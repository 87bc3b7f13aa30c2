#include "about/WlmShiftImage.h"
#include "platform/win32/FormWindow.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace pw::win32 {
namespace {

constexpr ui::Color kLink{0, 0, 255};
constexpr ui::Color kHover{255, 0, 0};

// A red picture under a link label, a hover image beside them and a button,
// on a window that draws its labels and pictures itself.
class DrawingForm : public ui::Form {
public:
    DrawingForm() {
        SetWindowClass("PwDrawnControlsTest");
        SetDesignSize(200, 100, true);
        Place(red, nullptr, 10, {0, 0, 100, 40});
        Place(link, nullptr, 11, {10, 10, 60, 13}, "Donate...");
        Place(menu, nullptr, 12, {120, 10, 32, 32});
        Place(button, nullptr, 13, {120, 60, 60, 27}, "&Exit");
        Place(frame, nullptr, 14, {10, 50, 100, 45});
        ui::Bitmap pixels{2, 2, {}};
        for (int i = 0; i < 4; ++i)
            pixels.bgra.insert(pixels.bgra.end(), {0, 0, 255, 255});
        red.SetPicture(ui::Picture::Pixels(pixels));
        red.SetStretch(true);
        link.SetLinkColors(kLink, kHover);
        link.OnClick = [this] { ++linkClicks; };
        menu.SetPicture(ui::Picture::Icon(1));
        menu.SetNoFocusedPicture(ui::Picture::Icon(1));
        menu.SetFocusedPicture(ui::Picture::Icon(2));
        menu.OnClick = [this] { ++menuClicks; };
    }
    ui::Image red{"red"};
    ui::Label link{"link"};
    TWlmShiftImage menu{"wsiMenu"};
    ui::Button button{"bExit"};
    ui::GroupBox frame{"GroupBox2"};
    int linkClicks = 0;
    int menuClicks = 0;
};

class DrawingWindow : public FormWindow {
public:
    explicit DrawingWindow(ui::Form& form) : FormWindow(form) { DrawLabelsAndPictures(); }
    using FormWindow::LayoutPass;
};

class DrawnControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.Create(nullptr, nullptr, WS_POPUP, 0));
        ShowWindow(window.Handle(), SW_SHOWNA);
        UpdateWindow(window.Handle());
    }
    LRESULT Send(UINT msg, int x, int y, WPARAM wp = 0) const {
        return SendMessageA(window.Handle(), msg, wp, MAKELPARAM(x, y));
    }
    COLORREF PixelAt(int x, int y) const {
        RedrawWindow(window.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        HDC dc = GetDC(window.Handle());
        const COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(window.Handle(), dc);
        return c;
    }
    DrawingForm form;
    DrawingWindow window{form};
};

TEST_F(DrawnControlsTest, LabelsAndPicturesHaveNoWindowsAndAreDrawnPicturesUnderLabels) {
    EXPECT_EQ(GetDlgItem(window.Handle(), 10), nullptr);
    EXPECT_EQ(GetDlgItem(window.Handle(), 11), nullptr);
    EXPECT_EQ(GetDlgItem(window.Handle(), 12), nullptr);
    EXPECT_NE(GetDlgItem(window.Handle(), 13), nullptr);
    EXPECT_EQ(GetDlgItem(window.Handle(), 14), nullptr);
    // The picture stretched over its place, the label over the picture with its own fill.
    EXPECT_EQ(PixelAt(90, 35), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(5, 5), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(66, 10), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(PixelAt(150, 5), GetSysColor(COLOR_BTNFACE));
    // The group frame's left edge, inside it nothing.
    int edge = 0;
    for (int y = 60; y < 90; ++y)
        edge += PixelAt(10, y) != GetSysColor(COLOR_BTNFACE) ? 1 : 0;
    EXPECT_GT(edge, 20);
    EXPECT_EQ(PixelAt(50, 75), GetSysColor(COLOR_BTNFACE));
    // A press inside the frame is no one's.
    Send(WM_LBUTTONDOWN, 50, 75, MK_LBUTTON);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(form.linkClicks + form.menuClicks, 0);
}

TEST_F(DrawnControlsTest, TheMouseOverALinkColoursItAndAPressOnItClicksTheLabelNotThePicture) {
    Send(WM_MOUSEMOVE, 20, 15);
    EXPECT_EQ(form.link.FontColor(), kHover);
    Send(WM_MOUSEMOVE, 90, 35); // still the picture, off the label
    EXPECT_EQ(form.link.FontColor(), kLink);
    Send(WM_MOUSEMOVE, 20, 15);
    Send(WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(form.link.FontColor(), kLink);

    Send(WM_LBUTTONDOWN, 20, 15, MK_LBUTTON);
    Send(WM_LBUTTONUP, 20, 15);
    EXPECT_EQ(form.linkClicks, 1);
    Send(WM_RBUTTONDOWN, 20, 15, MK_RBUTTON);
    EXPECT_EQ(form.linkClicks, 1) << "only the left button clicks";
}

TEST_F(DrawnControlsTest, TheHoverImageSwapsPicturesSinksWhileHeldAndClicksWhenLetGoOverIt) {
    Send(WM_MOUSEMOVE, 130, 20);
    EXPECT_EQ(form.menu.GetPicture().IconId(), 2);
    Send(WM_LBUTTONDOWN, 130, 20, MK_LBUTTON);
    EXPECT_EQ(form.menu.Bounds().left, 122);
    EXPECT_EQ(form.menu.Bounds().top, 12);
    EXPECT_EQ(GetCapture(), window.Handle());
    EXPECT_EQ(form.menuClicks, 0) << "not at the press";
    Send(WM_LBUTTONUP, 130, 20);
    EXPECT_EQ(form.menu.Bounds().left, 120);
    EXPECT_EQ(form.menuClicks, 1);
    EXPECT_EQ(GetCapture(), nullptr);

    // Let go away from it: back in place, no click.
    Send(WM_LBUTTONDOWN, 130, 20, MK_LBUTTON);
    Send(WM_LBUTTONUP, 190, 95);
    EXPECT_EQ(form.menu.Bounds().left, 120);
    EXPECT_EQ(form.menuClicks, 1);
    Send(WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(form.menu.GetPicture().IconId(), 1);
}

TEST_F(DrawnControlsTest, AControlPlacedTwiceInALayoutPassMovesOnceToItsLastPlace) {
    HWND exit = GetDlgItem(window.Handle(), 13);
    const auto left = [&] {
        RECT r{};
        GetWindowRect(exit, &r);
        POINT p{r.left, r.top};
        ScreenToClient(window.Handle(), &p);
        return p.x;
    };
    {
        const DrawingWindow::LayoutPass pass(window);
        form.button.SetBounds({20, 60, 60, 27});
        EXPECT_EQ(left(), 120) << "moved within the pass";
        form.button.SetBounds({40, 60, 60, 27});
    }
    EXPECT_EQ(left(), 40);
    form.button.SetBounds({50, 60, 60, 27});
    EXPECT_EQ(left(), 50) << "outside a pass, at once";
}

} // namespace
} // namespace pw::win32
