#include "platform/win32/Win32Clipboard.h"

#include "platform/win32/Unique.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowMessages.h"
#include "text/Utf8.h"

#include <cstring>
#include <string_view>
#include <utility>

namespace pw::win32 {

namespace {

constexpr int kClipboardAttempts = 10;
constexpr DWORD kClipboardRetryMs = 5;

HWND ToHandle(WindowRef window) {
    return reinterpret_cast<HWND>(window);
}

WindowRef ToRef(HWND window) {
    return reinterpret_cast<WindowRef>(window);
}

// The formats by which a program says "do not record this": the first is the
// one password managers set today, the second the older convention.
bool OffersRegisteredFormat(const wchar_t* name) {
    const UINT format = RegisterClipboardFormatW(name);
    return format != 0 && IsClipboardFormatAvailable(format) != FALSE;
}

// The clipboard block's text up to its terminator. The block may be larger
// than its text, and a damaged one may lack the terminator: never read past
// its size.
template <typename Char> std::optional<std::basic_string<Char>> BlockText(UINT format) {
    HANDLE h = GetClipboardData(format);
    if (h == nullptr)
        return std::nullopt;
    GlobalLock<const Char> data(h);
    if (data.get() == nullptr)
        return std::nullopt;
    const std::basic_string_view<Char> block(data.get(), GlobalSize(h) / sizeof(Char));
    return std::basic_string<Char>(block.substr(0, block.find(Char{})));
}

// Whether the window that opened the clipboard to read it belongs to the
// thread of the foreground window, which is where the paste's keys went. A
// reader that opened it without a window cannot be told apart, and is taken
// for the target.
bool ReaderHasTheKeyboard() {
    HWND reader = GetOpenClipboardWindow();
    HWND foreground = GetForegroundWindow();
    return reader == nullptr || foreground == nullptr ||
           GetWindowThreadProcessId(reader, nullptr) ==
               GetWindowThreadProcessId(foreground, nullptr);
}

} // namespace

Win32Clipboard::Win32Clipboard(CodePage& codePage) : codePage_(codePage) {}

bool Win32Clipboard::Offer(const std::string& text) {
    // Owned by the main window: emptied by a window-less opener, the clipboard
    // would have no owner, and it is the owner that is asked for the data.
    // The target of the paste before may hold it open just now, waiting for
    // us to hand over that paste's text: the wait between attempts answers.
    OpenClipboardScope clipboard(main_, kClipboardAttempts, [] {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kClipboardRetryMs, QS_SENDMESSAGE);
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    });
    if (!clipboard)
        return false;
    // Emptying tells the owner, us, that the earlier offer is gone: that is
    // no news.
    emptying_ = true;
    const BOOL emptied = EmptyClipboard();
    emptying_ = false;
    if (!emptied)
        return false;
    ++offerCount_;
    // Unicode text alone, without its data: the system makes the code-page
    // form for programs that ask for that, and asks us for the text at the
    // first read of either, which is how we learn that it was read. A null
    // handle is also what the call returns, so only the error says whether it
    // took the offer.
    offer_ = Wide(text);
    SetLastError(ERROR_SUCCESS);
    SetClipboardData(CF_UNICODETEXT, nullptr);
    if (GetLastError() == ERROR_SUCCESS)
        return true;
    offer_.reset();
    return false;
}

void Win32Clipboard::RenderFormat(UINT format) {
    if (format != CF_UNICODETEXT || !offer_)
        return;
    // Posted, not handled here: the reader has the clipboard open, and the
    // next paste needs to open it.
    const ClipboardNotice notice =
        ReaderHasTheKeyboard() ? ClipboardNotice::ReadByTarget : ClipboardNotice::ReadByOther;
    PutOffer();
    Notify(notice);
}

void Win32Clipboard::RenderAllFormats() {
    if (!offer_)
        return;
    // The program is ending with its text unread: it stays on the clipboard
    // for the paste's target, unless somebody else's content came meanwhile.
    OpenClipboardScope clipboard(main_, kClipboardAttempts, kClipboardRetryMs);
    if (clipboard && GetClipboardOwner() == main_)
        PutOffer();
}

void Win32Clipboard::ClipboardDestroyed() {
    offer_.reset();
    if (!emptying_)
        Notify(ClipboardNotice::Replaced);
}

void Win32Clipboard::PutOffer() {
    const std::wstring text = *std::exchange(offer_, std::nullopt);
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!block)
        return;
    {
        GlobalLock<wchar_t> data(block.get());
        if (data.get() == nullptr)
            return;
        std::memcpy(data.get(), text.c_str(), bytes);
    }
    if (SetClipboardData(CF_UNICODETEXT, block.get()) != nullptr)
        block.release(); // the clipboard owns it now
}

void Win32Clipboard::Notify(ClipboardNotice notice) const {
    PostMessageW(main_, kClipboardNotice, offerCount_, static_cast<LPARAM>(notice));
}

std::optional<std::string> Win32Clipboard::Text() {
    OpenClipboardScope clipboard(main_, kClipboardAttempts, kClipboardRetryMs);
    if (!clipboard)
        return std::nullopt;
    // The system offers code-page text in Unicode too; the code-page form is
    // read only when the Unicode one cannot be had.
    if (std::optional<std::wstring> wide = BlockText<wchar_t>(CF_UNICODETEXT))
        return Narrow(*wide);
    if (std::optional<std::string> ansi = BlockText<char>(CF_TEXT))
        return Utf16ToUtf8(codePage_.AnsiToWide(*ansi));
    return std::nullopt;
}

bool Win32Clipboard::HasText() const {
    return IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE ||
           IsClipboardFormatAvailable(CF_TEXT) != FALSE;
}

bool Win32Clipboard::IsPrivate() const {
    return OffersRegisteredFormat(L"ExcludeClipboardContentFromMonitorProcessing") ||
           OffersRegisteredFormat(L"Clipboard Viewer Ignore");
}

bool Win32Clipboard::HoldsOwnText() const {
    // Only the paste opens the clipboard for the main window itself; every
    // other write, even one from our own entry box, makes another window the owner.
    return main_ != nullptr && GetClipboardOwner() == main_;
}

WindowRef Win32Clipboard::JoinViewerChain() {
    return ToRef(SetClipboardViewer(main_));
}

void Win32Clipboard::LeaveViewerChain(WindowRef successor) {
    ChangeClipboardChain(main_, ToHandle(successor));
}

void Win32Clipboard::SendDrawClipboard(WindowRef to) const {
    SendMessageW(ToHandle(to), WM_DRAWCLIPBOARD, drawNotice_.first, drawNotice_.second);
}

void Win32Clipboard::SendChangeChain(WindowRef to, WindowRef leaving, WindowRef following) const {
    SendMessageW(ToHandle(to), WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(ToHandle(leaving)),
                 reinterpret_cast<LPARAM>(ToHandle(following)));
}

} // namespace pw::win32
