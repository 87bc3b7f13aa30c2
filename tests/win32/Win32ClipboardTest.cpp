#include "platform/win32/Win32Clipboard.h"

#include "platform/win32/Unique.h"
#include "platform/win32/Win32CodePage.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace pw::win32 {
namespace {

using OwnedWindow = Unique<HWND, [](HWND w) { DestroyWindow(w); }>;

// The clipboard's Unicode block as a reader of that format gets it.
std::wstring UnicodeBlock() {
    OpenClipboardScope open(nullptr, 10, 5);
    HANDLE h = open ? GetClipboardData(CF_UNICODETEXT) : nullptr;
    const GlobalLock<const wchar_t> data(h);
    return data.get() != nullptr ? std::wstring(data.get()) : L"<none>";
}

// Puts bytes on the clipboard in the code-page format alone, as a program that
// knows no Unicode copies.
bool PutCodePageText(const char* bytes) {
    UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, std::strlen(bytes) + 1));
    {
        const GlobalLock<char> data(block.get());
        if (data.get() == nullptr)
            return false;
        std::strcpy(data.get(), bytes);
    }
    OpenClipboardScope open(nullptr, 10, 5);
    if (!open || !EmptyClipboard() || SetClipboardData(CF_TEXT, block.get()) == nullptr)
        return false;
    block.release();
    return true;
}

// A text the program puts there is Unicode text for every reader, and comes
// back to its own watcher unchanged, in every script.
TEST(Win32ClipboardTest, TextGoesOutAsUnicodeAndComesBackUnchanged) {
    struct Case {
        const char* text;
        const wchar_t* unicode;
    };
    const Case cases[] = {
        {"", L""},
        {"plain\r\nlines", L"plain\r\nlines"},
        {"café € 5", L"caf\u00e9 \u20ac 5"},
        {"Привет → 😀 日本語", L"\u041f\u0440\u0438\u0432\u0435\u0442 \u2192 \U0001F600 "
                              L"\u65e5\u672c\u8a9e"},
    };
    OwnedWindow main(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     GetModuleHandleW(nullptr), nullptr));
    ASSERT_TRUE(main);
    Win32CodePage codePage;
    Win32Clipboard clipboard(codePage);
    clipboard.SetMainWindow(main.get());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ASSERT_TRUE(clipboard.SetText(c.text));
        EXPECT_EQ(UnicodeBlock(), c.unicode);
        EXPECT_TRUE(clipboard.HasText());
        EXPECT_TRUE(clipboard.HoldsOwnText());
        EXPECT_EQ(clipboard.Text(), c.text);
    }

    // Code-page text alone (1252 here) is read as the characters it stands for.
    ASSERT_TRUE(PutCodePageText("caf\xe9 \x80 5"));
    EXPECT_TRUE(clipboard.HasText());
    EXPECT_FALSE(clipboard.HoldsOwnText());
    EXPECT_EQ(clipboard.Text(), "café € 5");

    {
        OpenClipboardScope open(main.get());
        ASSERT_TRUE(open);
        ASSERT_TRUE(EmptyClipboard());
    }
    EXPECT_FALSE(clipboard.HasText());
    EXPECT_EQ(clipboard.Text(), std::nullopt);
}

} // namespace
} // namespace pw::win32
