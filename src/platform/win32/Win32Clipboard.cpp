#include "platform/win32/Win32Clipboard.h"

#include "platform/win32/Unique.h"
#include "platform/win32/WideText.h"
#include "text/Utf8.h"

#include <cstring>
#include <string_view>

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

} // namespace

Win32Clipboard::Win32Clipboard(CodePage& codePage) : codePage_(codePage) {}

bool Win32Clipboard::SetText(const std::string& text) {
    // Unicode text alone: the system makes the code-page form for programs
    // that ask for that, in the code page they run in.
    const std::wstring wide = Wide(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!block)
        return false;
    {
        GlobalLock<wchar_t> data(block.get());
        if (data.get() == nullptr)
            return false;
        std::memcpy(data.get(), wide.c_str(), bytes);
    }
    // Owned by the main window: emptied by a window-less opener, the clipboard
    // would have no owner and may refuse the data.
    OpenClipboardScope clipboard(main_, kClipboardAttempts, kClipboardRetryMs);
    if (!clipboard || !EmptyClipboard())
        return false;
    if (SetClipboardData(CF_UNICODETEXT, block.get()) == nullptr)
        return false; // the block was not taken: ours to free
    block.release();  // the clipboard owns it now
    return true;
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
