#include "platform/win32/Win32Clipboard.h"

#include "platform/win32/Unique.h"
#include "platform/win32/Win32CodePage.h"
#include "platform/win32/WindowMessages.h"
#include "win32/ClipboardOwnerWindow.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace pw::win32 {
namespace {

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

using OwnedWindow = Unique<HWND, [](HWND w) { DestroyWindow(w); }>;

OwnedWindow MessageWindow() {
    return OwnedWindow(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                       GetModuleHandleW(nullptr), nullptr));
}

// Runs `work` on a thread of its own while this thread answers the messages
// sent to its windows, as the clipboard's owner must while another reads.
void OnAnotherThread(
    const std::function<void()>& work, const std::function<void()>& meanwhile = [] {}) {
    std::atomic<bool> done = false;
    std::thread thread([&] {
        work();
        done = true;
    });
    meanwhile();
    while (!done) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_SENDMESSAGE);
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    thread.join();
}

// The clipboard's Unicode text as a reader with a window of its own on another thread gets it.
std::wstring ReadOnAnotherThread() {
    std::wstring text;
    OnAnotherThread([&] {
        const OwnedWindow reader = MessageWindow();
        OpenClipboardScope open(reader.get(), 10, 5);
        const GlobalLock<const wchar_t> data(open ? GetClipboardData(CF_UNICODETEXT) : nullptr);
        text = data.get() != nullptr ? data.get() : L"<none>";
    });
    return text;
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
    Win32CodePage codePage;
    Win32Clipboard clipboard(codePage);
    const ClipboardOwnerWindow main(clipboard);
    clipboard.SetMainWindow(main.get());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ASSERT_TRUE(clipboard.Offer(c.text));
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

// The notices the clipboard posted to the main window: whether each is about
// the last offer, and what it says.
using Notices = std::vector<std::pair<bool, ClipboardNotice>>;
Notices TakeNotices(HWND main, const Win32Clipboard& clipboard) {
    Notices notices;
    MSG msg;
    while (PeekMessageW(&msg, main, kClipboardNotice, kClipboardNotice, PM_REMOVE))
        notices.emplace_back(clipboard.IsCurrentOffer(msg.wParam),
                             static_cast<ClipboardNotice>(msg.lParam));
    return notices;
}

// The data goes over at the first read, which the main window hears of with
// who read: the thread that has the keyboard (the paste's target), a reader
// that does not say, or another program.
TEST(Win32ClipboardTest, TheFirstReadOfAnOfferIsNoticedWithItsReader) {
    Win32CodePage codePage;
    Win32Clipboard clipboard(codePage);
    ClipboardOwnerWindow main(clipboard);
    clipboard.SetMainWindow(main.get());
    const OwnedWindow front(CreateWindowExW(0, L"STATIC", L"front", WS_POPUP | WS_VISIBLE, 0, 0, 50,
                                            50, nullptr, nullptr, GetModuleHandleW(nullptr),
                                            nullptr));
    SetForegroundWindow(front.get());
    ASSERT_EQ(GetForegroundWindow(), front.get());
    const auto readOn = [](HWND reader) {
        OpenClipboardScope open(reader, 10, 5);
        const GlobalLock<const wchar_t> data(open ? GetClipboardData(CF_UNICODETEXT) : nullptr);
        return data.get() != nullptr ? std::wstring(data.get()) : L"<none>";
    };
    const auto current = [](ClipboardNotice n) { return Notices{{true, n}}; };

    ASSERT_TRUE(clipboard.Offer("one"));
    EXPECT_TRUE(TakeNotices(main.get(), clipboard).empty());
    EXPECT_EQ(ReadOnAnotherThread(), L"one");
    EXPECT_EQ(TakeNotices(main.get(), clipboard), current(ClipboardNotice::ReadByOther));
    // Handed over once: later reads go unnoticed.
    EXPECT_EQ(readOn(front.get()), L"one");
    EXPECT_TRUE(TakeNotices(main.get(), clipboard).empty());

    // The next offer's own emptying of the clipboard is no news.
    ASSERT_TRUE(clipboard.Offer("two"));
    EXPECT_TRUE(TakeNotices(main.get(), clipboard).empty());
    EXPECT_EQ(readOn(front.get()), L"two");
    EXPECT_EQ(TakeNotices(main.get(), clipboard), current(ClipboardNotice::ReadByTarget));

    ASSERT_TRUE(clipboard.Offer("three"));
    TakeNotices(main.get(), clipboard);
    EXPECT_EQ(readOn(nullptr), L"three");
    EXPECT_EQ(TakeNotices(main.get(), clipboard), current(ClipboardNotice::ReadByTarget));

    // Another program's copy replaces an offer nobody read.
    ASSERT_TRUE(clipboard.Offer("four"));
    TakeNotices(main.get(), clipboard);
    OnAnotherThread([] {
        const OwnedWindow other = MessageWindow();
        OpenClipboardScope open(other.get(), 10, 5);
        EmptyClipboard();
    });
    EXPECT_EQ(TakeNotices(main.get(), clipboard), current(ClipboardNotice::Replaced));

    // A reader that opened the clipboard for the last offer and waits for its
    // data does not keep the next offer out.
    ASSERT_TRUE(clipboard.Offer("five"));
    std::wstring late;
    bool offered = false;
    HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    OnAnotherThread(
        [&] {
            const OwnedWindow window = MessageWindow();
            OpenClipboardScope open(window.get(), 10, 5);
            SetEvent(opened);
            const GlobalLock<const wchar_t> data(open ? GetClipboardData(CF_UNICODETEXT) : nullptr);
            late = data.get() != nullptr ? data.get() : L"<none>";
        },
        [&] {
            WaitForSingleObject(opened, 5000);
            offered = clipboard.Offer("six");
        });
    CloseHandle(opened);
    EXPECT_TRUE(offered);
    EXPECT_EQ(late, L"five");
    EXPECT_EQ(readOn(front.get()), L"six");
    TakeNotices(main.get(), clipboard);

    // An offer unread when the program ends stays for its target.
    ASSERT_TRUE(clipboard.Offer("seven"));
    main.Destroy();
    EXPECT_EQ(UnicodeBlock(), L"seven");
}

} // namespace
} // namespace pw::win32
