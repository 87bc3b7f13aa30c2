#include "platform/win32/CaptureFieldSubclass.h"

#include "hotkeys/HotkeyField.h"

#include "platform/win32/Unique.h"

#include <windows.h>
#include <imm.h>

#include <gtest/gtest.h>

namespace pw::win32 {
namespace {

using OwnedWindow = Unique<HWND, [](HWND w) { DestroyWindow(w); }>;

// A plain edit box and a capture field side by side on a window of their own.
class CaptureFieldSubclassTest : public ::testing::Test {
protected:
    HWND Edit() {
        return CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, window.get(),
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    }

    OwnedWindow window{CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 50,
                                       nullptr, nullptr, GetModuleHandleA(nullptr), nullptr)};
    HotkeyField field{"eHotkey"};
    HWND plain = Edit();
    HWND captured = Edit();
};

// An input method composes into a window through its input context, past the key presses the
// field takes: the field has none, while a plain edit box shows that the check sees one.
TEST_F(CaptureFieldSubclassTest, FieldHasNoInputContextForAnInputMethod) {
    ASSERT_NE(plain, nullptr);
    ASSERT_NE(captured, nullptr);
    AttachCaptureFieldSubclass(captured, field);
    for (HWND edit : {plain, captured}) {
        SCOPED_TRACE(edit == captured ? "capture field" : "plain edit box");
        HIMC context = ImmGetContext(edit);
        EXPECT_EQ(context == nullptr, edit == captured);
        if (context != nullptr)
            ImmReleaseContext(edit, context);
    }
}

// Where a hotkey of the program goes instead of pasting: the field with the focus, if any.
TEST_F(CaptureFieldSubclassTest, FocusedFieldIsFoundOnlyWhileItHasTheFocus) {
    AttachCaptureFieldSubclass(captured, field);
    SetFocus(captured);
    ASSERT_EQ(GetFocus(), captured);
    EXPECT_EQ(FocusedCaptureField(), captured);
    SetFocus(plain);
    ASSERT_EQ(GetFocus(), plain);
    EXPECT_EQ(FocusedCaptureField(), nullptr);
}

} // namespace
} // namespace pw::win32
