// The skinned controls as they look on the screen: pictures of the real windows, taken while
// the real pointer moves over them.
#include "Input.h"
#include "PastewiseApp.h"
#include "Poll.h"
#include "ScreenDpi.h"
#include "Screenshot.h"
#include "WindowQuery.h"

#include "app/MainIds.h"
#include "skin/SkinIds.h"

#include <oleacc.h>

#include <gtest/gtest.h>

#include <optional>
#include <cstdio>
#include <set>
#include <string>

namespace e2e {
namespace {

POINT centreOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// The frame of a button as drawn above its caption: what changes with the mouse, and not with
// the focus, which shows in the caption.
std::vector<COLORREF> frameOf(const Screenshot& shot) {
    return shot.rows(1, 6);
}

// Waits until the button's picture passes the test; the last picture taken.
Screenshot waitForLook(const std::function<Screenshot()>& take,
                       const std::function<bool(const Screenshot&)>& test) {
    Screenshot shot;
    waitUntil([&] {
        shot = take();
        return !shot.empty() && test(shot);
    });
    return shot;
}

Screenshot waitForLook(HWND button, const std::function<bool(const Screenshot&)>& test) {
    return waitForLook([&] { return Screenshot::of(button); }, test);
}

Screenshot waitForLook(const RECT& area, const std::function<bool(const Screenshot&)>& test) {
    return waitForLook([&] { return Screenshot::of(area); }, test);
}

TEST(SkinnedControls, ButtonShowsHoverAndPressAndDraggingOutDoesNotClick) {
    PastewiseApp app;
    const HWND exitButton = app.control(IDC_BUTTON_EXIT);
    ASSERT_TRUE(bringToFront(app.mainWindow()));
    const POINT over = centreOf(exitButton);
    const POINT away{over.x, over.y - 60}; // over the list
    ASSERT_TRUE(moveMouseTo(away));
    ASSERT_TRUE(app.waitForQueuedMessages());
    const Screenshot rest = Screenshot::of(exitButton);
    rest.keep("exit-rest");

    ASSERT_TRUE(moveMouseTo(over));
    const Screenshot hover =
        waitForLook(exitButton, [&](const Screenshot& s) { return frameOf(s) != frameOf(rest); });
    hover.keep("exit-hover");
    ASSERT_NE(frameOf(hover), frameOf(rest)) << "the pointer over the button changes nothing";

    ASSERT_TRUE(leftButtonAt(over, true));
    const Screenshot pressed = waitForLook(exitButton, [&](const Screenshot& s) {
        return frameOf(s) != frameOf(hover) && frameOf(s) != frameOf(rest);
    });
    pressed.keep("exit-pressed");
    EXPECT_NE(frameOf(pressed), frameOf(hover)) << "pressing changes nothing";

    // Dragged out while held, the button is back to its normal frame; let go out there, it
    // does not click, and the program goes on.
    ASSERT_TRUE(moveMouseTo(away));
    const Screenshot dragged =
        waitForLook(exitButton, [&](const Screenshot& s) { return frameOf(s) == frameOf(rest); });
    dragged.keep("exit-dragged-out");
    EXPECT_EQ(frameOf(dragged), frameOf(rest));
    // The caption (bold now: the press gave the button the focus) went one pixel down and
    // right while pressed.
    const RECT captionPressed = pressed.bounds(isDark);
    const RECT captionReleased = dragged.bounds(isDark);
    EXPECT_EQ(captionPressed.top, captionReleased.top + 1);
    EXPECT_EQ(captionPressed.left, captionReleased.left + 1);
    ASSERT_TRUE(leftButtonAt(away, false));
    ASSERT_TRUE(app.waitForQueuedMessages());
    EXPECT_FALSE(waitUntil([&] { return !app.process().running(); }, milliseconds{500}))
        << "releasing outside the button clicked it";
}

// Space held on the focused button shows it pressed, as the mouse does, and the release clicks.
TEST(SkinnedControls, SpaceHeldOnAButtonShowsItPressedAndTheReleaseClicks) {
    PastewiseApp app;
    ASSERT_TRUE(bringToFront(app.mainWindow()));
    ASSERT_TRUE(moveMouseTo({0, 0}));
    const HWND addButton = app.control(IDC_BUTTON_ADD);
    ASSERT_TRUE(app.typeEntry("x"));
    ASSERT_TRUE(pressKeys({VK_TAB}));
    const auto focused = [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        const DWORD thread = GetWindowThreadProcessId(app.mainWindow(), nullptr);
        return GetGUIThreadInfo(thread, &info) != FALSE ? info.hwndFocus : nullptr;
    };
    ASSERT_TRUE(waitUntil([&] { return focused() == addButton; }));
    ASSERT_TRUE(app.waitForQueuedMessages());
    const Screenshot rest = Screenshot::of(addButton);
    rest.keep("add-focused");

    ASSERT_TRUE(holdKeys({VK_SPACE}));
    const Screenshot held =
        waitForLook(addButton, [&](const Screenshot& s) { return frameOf(s) != frameOf(rest); });
    held.keep("add-space-held");
    const bool pressedShown = frameOf(held) != frameOf(rest);
    ASSERT_TRUE(releaseKeys({VK_SPACE}));
    EXPECT_TRUE(pressedShown) << "Space held shows no pressed frame";
    EXPECT_TRUE(waitUntil([&] { return app.list().count() == 1; })) << "the release did not click";
    const Screenshot released =
        waitForLook(addButton, [&](const Screenshot& s) { return frameOf(s) == frameOf(rest); });
    EXPECT_EQ(frameOf(released), frameOf(rest));
}

TEST(SkinnedControls, DisabledCaptionIsGreyOverAWhiteShadowAndCheckBoxesFitTheirCaptions) {
    PastewiseApp app;
    ASSERT_TRUE(bringToFront(app.mainWindow()));
    ASSERT_TRUE(moveMouseTo({0, 0}));
    const HWND editButton = app.control(IDC_BUTTON_EDIT);
    ASSERT_TRUE(app.waitForEnabled(IDC_BUTTON_EDIT, false)); // nothing selected
    const auto shadowedPixels = [](const Screenshot& s) {
        return s.count([&](int x, int y) {
            return isColour(s.at(x, y), 128, 128, 128) &&
                   isColour(s.at(x + 1, y + 1), 255, 255, 255);
        });
    };
    // Drawn as soon as the window shows, but on the screen a moment later.
    const Screenshot shot =
        waitForLook(editButton, [&](const Screenshot& s) { return shadowedPixels(s) > 10; });
    shot.keep("edit-disabled");
    EXPECT_GT(shadowedPixels(shot), 10);
    EXPECT_EQ(shot.count([&](int x, int y) { return isDark(shot.at(x, y)); }), 0)
        << "a disabled caption is never black";

    // Each check box sizes itself to its caption.
    int widths[2] = {};
    int i = 0;
    for (const int id : {IDC_CHECK_ALWAYSONTOP, IDC_CHECK_AUTOCOPY}) {
        const Screenshot box = waitForLook(app.control(id), [](const Screenshot& s) {
            return s.bounds(isDark).right >= s.bounds(isDark).left;
        });
        box.keep("checkbox-" + std::to_string(id));
        widths[i++] = box.width();
        // The caption's last pixel stands clear of the right edge: nothing is clipped.
        const RECT caption = box.bounds(isDark);
        ASSERT_GE(caption.right, caption.left) << id << " shows no caption";
        EXPECT_LE(caption.right, box.width() - 3) << id;
        EXPECT_GT(caption.left, 15) << id << ": the caption after the picture";
    }
    EXPECT_LT(widths[0], widths[1]) << "Always on Top is narrower than auto copy";
}

TEST(SkinnedControls, MainMenuItemUnderThePointerIsDarkBlueAndLinksTurnRed) {
    PastewiseApp app;
    ASSERT_TRUE(bringToFront(app.mainWindow()));
    POINT menuLabel{};
    ASSERT_TRUE(app.pointAtDrawn(IDC_LABEL_MENU, 0, menuLabel));
    ASSERT_TRUE(clickAt(menuLabel));
    const HWND menu = pollFor([&] { return findVisibleTopLevel(app.processId(), "#32768"); });
    ASSERT_NE(menu, nullptr) << "no main menu";
    // The pointer onto the first item, "Home Page", below the menu's border, and moved a
    // little while nothing shows, as a person would if the menu was still opening.
    int nudge = 0;
    const Screenshot shot = waitForLook(menu, [&](const Screenshot& s) {
        RECT r{};
        GetWindowRect(menu, &r);
        moveMouseTo({r.left + 60 + nudge++ % 3, r.top + 12});
        return s.count([&](int x, int y) { return isColour(s.at(x, y), 68, 74, 160); }) > 0;
    });
    shot.keep("main-menu");
    const RECT selected = shot.bounds([](COLORREF c) { return isColour(c, 68, 74, 160); });
    ASSERT_GE(selected.right, selected.left) << "no dark blue item";
    EXPECT_GE(selected.bottom - selected.top + 1, 20);
    const int whiteText = shot.count([&](int x, int y) {
        return x > selected.left && x < selected.right && y > selected.top && y < selected.bottom &&
               isColour(shot.at(x, y), 255, 255, 255);
    });
    EXPECT_GT(whiteText, 10);
    // The bar at the left of the other items.
    EXPECT_TRUE(isColour(shot.at(10, selected.bottom + 10), 214, 211, 206));
    ASSERT_TRUE(pressKeys({VK_ESCAPE}));
    EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(menu) == 0; }));

    // The donation link beside the menu: blue and underlined, red under the pointer.
    ASSERT_TRUE(moveMouseTo({0, 0}));
    // A little wider than designed: the label is as wide as its caption in the font it has.
    RECT donate = app.drawnPlace(IDC_LABEL_DONATE);
    donate.right += 15;
    const auto colourCount = [](const Screenshot& s, int r, int g, int b) {
        return s.count([&](int x, int y) { return isColour(s.at(x, y), r, g, b); });
    };
    const Screenshot link =
        waitForLook(donate, [&](const Screenshot& s) { return colourCount(s, 0, 0, 255) > 0; });
    link.keep("donate");
    // The underline: one row of blue under the whole caption.
    const RECT text = link.bounds([](COLORREF c) { return isColour(c, 0, 0, 255); });
    ASSERT_GE(text.right, text.left) << "no blue link";
    EXPECT_EQ(link.count([&](int x, int y) {
        return y == text.bottom && x >= text.left && x <= text.right &&
               isColour(link.at(x, y), 0, 0, 255);
    }),
              text.right - text.left + 1);

    POINT overDonate{};
    ASSERT_TRUE(app.pointAtDrawn(IDC_LABEL_DONATE, 0, overDonate));
    ASSERT_TRUE(moveMouseTo(overDonate));
    const Screenshot hover =
        waitForLook(donate, [&](const Screenshot& s) { return colourCount(s, 255, 0, 0) > 0; });
    hover.keep("donate-hover");
    EXPECT_GT(colourCount(hover, 255, 0, 0), 20);
    EXPECT_EQ(colourCount(hover, 0, 0, 255), 0);
}

// What assistive technology is told about a control: its name and state.
struct Accessible {
    std::wstring name;
    long state = 0;
};

std::optional<Accessible> accessibleOf(HWND control) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object)))) {
        return std::nullopt;
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    Accessible result;
    BSTR name = nullptr;
    if (SUCCEEDED(object->get_accName(self, &name)) && name != nullptr) {
        result.name = name;
        SysFreeString(name);
    }
    VARIANT state{};
    if (SUCCEEDED(object->get_accState(self, &state)) && state.vt == VT_I4) {
        result.state = state.lVal;
    }
    object->Release();
    return result;
}

TEST(SkinnedControls, ControlsKeepTheirNamesStatesAndKeyboard) {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    PastewiseApp app;
    const struct {
        int id;
        const wchar_t* name;
        bool unavailable;
    } controls[] = {{IDC_BUTTON_ADD, L"Add", false},
                    {IDC_BUTTON_EDIT, L"Edit", true}, // nothing selected
                    {IDC_BUTTON_EXIT, L"Exit", false},
                    {IDC_CHECK_AUTOCOPY, L"Enable auto copy from clipboard", false},
                    {IDC_CHECK_ALWAYSONTOP, L"Always on Top", false}};
    for (const auto& c : controls) {
        const std::optional<Accessible> seen = accessibleOf(app.control(c.id));
        // Some 64-bit Wines give no accessible object for another process's window.
        if (!seen && sizeof(void*) == 8) {
            std::printf("accessible names not checked: no accessible object in this Wine\n");
            break;
        }
        ASSERT_TRUE(seen) << c.id;
        EXPECT_EQ(seen->name, c.name);
        EXPECT_EQ((seen->state & STATE_SYSTEM_UNAVAILABLE) != 0, c.unavailable) << c.id;
    }
    // Still the system's check box (which is how it is announced, with its state) and still
    // worked from the keyboard: Tab from the entry box past Add, then Space.
    const HWND autoCopy = app.control(IDC_CHECK_AUTOCOPY);
    EXPECT_EQ(windowClass(autoCopy), "Button");
    EXPECT_EQ(GetWindowLongA(autoCopy, GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX);
    ASSERT_EQ(sendTo(autoCopy, BM_GETCHECK), BST_UNCHECKED);
    ASSERT_TRUE(app.typeEntry("x"));
    ASSERT_TRUE(pressKeys({VK_TAB}));
    ASSERT_TRUE(pressKeys({VK_TAB}));
    ASSERT_TRUE(pressKeys({VK_SPACE}));
    EXPECT_TRUE(waitUntil([&] { return sendTo(autoCopy, BM_GETCHECK) == BST_CHECKED; }));
    CoUninitialize();
}

// A screen reader finds the main window's drawn labels and pictures by name, and their
// default action is their click: the "Menu" link opens the main menu.
TEST(SkinnedControls, TheMainWindowsDrawnControlsAreInItsAccessibleTree) {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    {
        PastewiseApp app;
        IAccessible* window = nullptr;
        if (FAILED(AccessibleObjectFromWindow(app.mainWindow(), OBJID_CLIENT, __uuidof(IAccessible),
                                              reinterpret_cast<void**>(&window)))) {
            std::printf("accessible tree not checked: no accessible object in this Wine\n");
            CoUninitialize();
            return;
        }
        long count = 0;
        ASSERT_EQ(window->get_accChildCount(&count), S_OK);
        std::vector<VARIANT> children(static_cast<std::size_t>(count));
        long got = 0;
        ASSERT_TRUE(SUCCEEDED(AccessibleChildren(window, 0, count, children.data(), &got)));
        std::set<std::wstring> names;
        long menuLink = 0;
        for (long i = 0; i < got; ++i) {
            VARIANT& child = children[static_cast<std::size_t>(i)];
            if (child.vt == VT_I4) {
                BSTR name = nullptr;
                if (SUCCEEDED(window->get_accName(child, &name)) && name != nullptr) {
                    names.insert(name);
                    if (std::wstring(name) == L"Menu") {
                        menuLink = child.lVal;
                    }
                }
                SysFreeString(name);
            }
            VariantClear(&child);
        }
        for (const wchar_t* name : {L"Menu", L"Check for updates...", L"Donate...",
                                    L"orvane.example", L"Orvane Pastewise home page"}) {
            EXPECT_TRUE(names.count(name) == 1)
                << "no accessible " << testing::PrintToString(std::wstring(name));
        }
        ASSERT_NE(menuLink, 0);
        VARIANT menuChild{};
        menuChild.vt = VT_I4;
        menuChild.lVal = menuLink;
        ASSERT_TRUE(bringToFront(app.mainWindow()));
        EXPECT_EQ(window->accDoDefaultAction(menuChild), S_OK);
        const HWND menu = pollFor([&] { return findVisibleTopLevel(app.processId(), "#32768"); });
        EXPECT_NE(menu, nullptr) << "the Menu link's default action opened no menu";
        if (menu != nullptr) {
            ASSERT_TRUE(pressKeys({VK_ESCAPE}));
            EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(menu) == 0; }));
        }
        window->Release();
    }
    CoUninitialize();
}

// The colours of the first frame of a strip in the program's resources.
std::set<COLORREF> frameColours(int resourceId, int frameWidth) {
    std::set<COLORREF> colours;
    HMODULE program = LoadLibraryExA(programPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    auto* strip = static_cast<HBITMAP>(
        LoadImageA(program, MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    DIBSECTION dib{};
    if (strip != nullptr && GetObjectA(strip, sizeof(dib), &dib) == sizeof(dib) &&
        dib.dsBm.bmBitsPixel == 24) {
        const auto* bits = static_cast<const BYTE*>(dib.dsBm.bmBits);
        for (int y = 0; y < dib.dsBm.bmHeight; ++y) {
            for (int x = 0; x < frameWidth; ++x) {
                const BYTE* p = bits + y * dib.dsBm.bmWidthBytes + x * 3;
                colours.insert(RGB(p[2], p[1], p[0]));
            }
        }
    }
    if (strip != nullptr) {
        DeleteObject(strip);
    }
    if (program != nullptr) {
        FreeLibrary(program);
    }
    return colours;
}

TEST(SkinnedControls, At144DpiFramesAreScaledWithoutBlendingAndCaptionsFit) {
    const ScreenDpi screen(144);
    ASSERT_TRUE(screen.set());
    PastewiseApp app;
    ASSERT_TRUE(bringToFront(app.mainWindow()));
    ASSERT_TRUE(moveMouseTo({0, 0}));
    ASSERT_TRUE(waitUntil([&] {
        RECT r{};
        return GetWindowRect(app.control(IDC_BUTTON_ADD), &r) && r.bottom - r.top == 40;
    }));
    ASSERT_TRUE(app.waitForQueuedMessages());
    std::set<COLORREF> allowed = frameColours(IDB_MACOS_BUTTON, 84);
    ASSERT_GT(allowed.size(), 3u);
    allowed.erase(RGB(255, 0, 255)); // see-through: the window's own colour shows instead
    allowed.insert(GetSysColor(COLOR_BTNFACE));
    // The window's top part is on the screen whatever its size: the Add button.
    const Screenshot addButton = Screenshot::of(app.control(IDC_BUTTON_ADD));
    addButton.keep("add-144");
    // Above the glyph and caption there is only the frame: every pixel a colour of the picture,
    // none a blend of two, and the rounded corner as wide as the picture's at 96 DPI and a half.
    const int stray = addButton.count(
        [&](int x, int y) { return y < 7 && allowed.count(addButton.at(x, y)) == 0; });
    EXPECT_EQ(stray, 0);
    int corner = 0;
    while (corner < addButton.width() && addButton.at(corner, 0) == GetSysColor(COLOR_BTNFACE)) {
        ++corner;
    }
    EXPECT_GE(corner, 6);
    EXPECT_LE(corner, 12);
    for (const int id : {IDC_CHECK_AUTOCOPY, IDC_CHECK_AUTOADD, IDC_CHECK_ALWAYSONTOP}) {
        const Screenshot box = waitForLook(app.control(id), [](const Screenshot& s) {
            return s.bounds(isDark).right >= s.bounds(isDark).left;
        });
        box.keep("checkbox-144-" + std::to_string(id));
        const RECT caption = box.bounds(isDark);
        ASSERT_GE(caption.right, caption.left) << id;
        EXPECT_LE(caption.right, box.width() - 3) << id;
    }
}

} // namespace
} // namespace e2e
