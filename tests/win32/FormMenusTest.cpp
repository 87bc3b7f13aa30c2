#include "platform/win32/FormWindow.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace pw::win32 {
namespace {

class MenuForm : public ui::Form {
public:
    MenuForm() {
        SetWindowClass("PwFormMenusTest");
        SetDesignSize(100, 50, true);
        menu.SetSkin(ui::VisualStyle::DeepBlue);
        for (ui::MenuItem* item : {&first, &separator, &second})
            menu.Add(*item);
        first.OnClick = [this] { ++firstClicks; };
        second.OnClick = [this] { ++secondClicks; };
    }
    ui::PopupMenu menu{"menu"};
    ui::MenuItem first{"first", "&First"};
    ui::MenuItem separator{"separator", "", true};
    ui::MenuItem second{"second", "&Second"};
    int firstClicks = 0;
    int secondClicks = 0;
};

// What the open menu held, seen from inside its own loop.
struct OpenMenu {
    bool seen = false;
    UINT separatorType = 0;
    int separatorHeight = 0;
    int itemHeight = 0;
};
OpenMenu g_open;

// A callback of the system's calling convention, which a lambda is not on 32-bit Windows.
BOOL CALLBACK FindVisibleMenu(HWND hwnd, LPARAM found) {
    wchar_t name[16]{};
    GetClassNameW(hwnd, name, 16);
    if (IsWindowVisible(hwnd) && lstrcmpW(name, L"#32768") == 0) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND OpenMenuWindow() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindVisibleMenu, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Looks at the menu once it is up, then works it from the keyboard as a person would: two
// presses of Down and Enter. Escape follows, so that a menu the keys leave open still closes.
void CALLBACK InspectAndChoose(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND menuWindow = OpenMenuWindow();
    if (menuWindow == nullptr)
        return;
    KillTimer(nullptr, timer);
    auto* menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    if (menu != nullptr && GetMenuItemInfoW(menu, 1, TRUE, &info) != FALSE) {
        g_open.seen = true;
        g_open.separatorType = info.fType;
        RECT separator{}, item{};
        GetMenuItemRect(nullptr, menu, 1, &separator);
        GetMenuItemRect(nullptr, menu, 0, &item);
        g_open.separatorHeight = separator.bottom - separator.top;
        g_open.itemHeight = item.bottom - item.top;
    }
    for (const WORD key : {VK_DOWN, VK_DOWN, VK_RETURN, VK_ESCAPE}) {
        INPUT press[2]{};
        press[0].type = press[1].type = INPUT_KEYBOARD;
        press[0].ki.wVk = press[1].ki.wVk = key;
        press[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, press, sizeof(INPUT));
    }
}

// A skinned menu's separator is a separator to the system and still the skin's: Down passes
// over it to the next item, as in any menu, and it has the skin's height.
TEST(FormMenus, TheArrowKeysPassOverASkinnedSeparator) {
    MenuForm form;
    FormWindow window(form);
    ASSERT_TRUE(window.Create(nullptr, nullptr, WS_POPUP, 0));
    window.ShowFirstTime(SW_SHOWNA);
    SetForegroundWindow(window.Handle());
    g_open = {};
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &InspectAndChoose);
    ASSERT_NE(timer, 0u);
    window.Popup(form.menu, 10, 10);
    KillTimer(nullptr, timer);
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);

    ASSERT_TRUE(g_open.seen) << "the menu did not open";
    EXPECT_NE(g_open.separatorType & MFT_SEPARATOR, 0u);
    EXPECT_NE(g_open.separatorType & MFT_OWNERDRAW, 0u);
    EXPECT_EQ(g_open.separatorHeight, 5);
    EXPECT_EQ(g_open.itemHeight, 21);
    EXPECT_EQ(form.firstClicks, 0);
    EXPECT_EQ(form.secondClicks, 1) << "Down stopped on the separator";
}

} // namespace
} // namespace pw::win32
