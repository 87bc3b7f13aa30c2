#include "platform/win32/FormWindow.h"
#include "platform/win32/WindowStateMessages.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace pw::win32 {
namespace {

TEST(WindowStateMessages, SystemCommandsAreReadWithoutTheirFourLowBits) {
    const struct {
        WPARAM wp;
        ui::SystemCommand command;
    } cases[] = {
        {SC_MINIMIZE, ui::SystemCommand::Minimize},
        {SC_MINIMIZE | 0xF, ui::SystemCommand::Minimize},
        {SC_MAXIMIZE, ui::SystemCommand::Maximize},
        {SC_MAXIMIZE | HTCAPTION, ui::SystemCommand::Maximize}, // a double click on the caption
        {SC_RESTORE, ui::SystemCommand::Restore},
        {SC_RESTORE | HTCAPTION, ui::SystemCommand::Restore},
        {SC_MINIMIZE - 1, ui::SystemCommand::Other}, // SC_MOVE with a hit-test code
        {SC_MAXIMIZE + 0x10, ui::SystemCommand::Other},
        {SC_RESTORE + 0x10, ui::SystemCommand::Other},
        {SC_CLOSE, ui::SystemCommand::Other},
        {SC_KEYMENU, ui::SystemCommand::Other},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToSystemCommand(c.wp), c.command) << std::hex << c.wp;
}

TEST(WindowStateMessages, OnlyAButtonGoingDownOverTheIconIsAClick) {
    const struct {
        LPARAM lp;
        TrayClick click;
    } cases[] = {
        {WM_LBUTTONDOWN, TrayClick::Left},    {WM_RBUTTONDOWN, TrayClick::Right},
        {WM_MOUSEMOVE, TrayClick::Other},     {WM_LBUTTONUP, TrayClick::Other},
        {WM_LBUTTONDBLCLK, TrayClick::Other}, {WM_RBUTTONUP, TrayClick::Other},
        {WM_MBUTTONDOWN, TrayClick::Other},   {0, TrayClick::Other},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToTrayClick(c.lp), c.click) << std::hex << c.lp;
}

struct EmptyForm : ui::Form {
    EmptyForm() {
        SetWindowClass("PwTaskbarButtonTest");
        SetDesignSize(200, 100, true);
    }
};

// Hiding the taskbar button and showing it again changes no other extended
// style: a window kept on top stays there, its frame stays as it was made.
TEST(WindowStateMessages, TheTaskbarButtonComesAndGoesAloneAmongTheExtendedStyles) {
    EmptyForm form;
    FormWindow window{form};
    ASSERT_TRUE(window.Create(nullptr, nullptr, WS_OVERLAPPEDWINDOW, WS_EX_CLIENTEDGE));
    window.SetTopmost(true);
    const auto style = [&] { return GetWindowLongA(window.Handle(), GWL_EXSTYLE); };
    const LONG before = style();
    ASSERT_EQ(before & WS_EX_TOOLWINDOW, 0);
    ASSERT_NE(before & WS_EX_TOPMOST, 0);
    for (bool hidden : {true, true, false, false}) {
        window.SetTaskbarButtonHidden(hidden);
        EXPECT_EQ(style(), hidden ? before | WS_EX_TOOLWINDOW : before) << hidden;
    }
}

} // namespace
} // namespace pw::win32
