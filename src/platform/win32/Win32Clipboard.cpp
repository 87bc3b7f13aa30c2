#include "platform/win32/Win32Clipboard.h"

#include "platform/win32/Unique.h"

#include <cstring>

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
bool OffersRegisteredFormat(const char* name) {
    const UINT format = RegisterClipboardFormatA(name);
    return format != 0 && IsClipboardFormatAvailable(format) != FALSE;
}

} // namespace

bool Win32Clipboard::SetText(const std::string& text) {
    UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
    if (!block)
        return false;
    {
        GlobalLock<char> data(block.get());
        if (data.get() == nullptr)
            return false;
        std::memcpy(data.get(), text.c_str(), text.size() + 1);
    }
    // Owned by the main window: emptied by a window-less opener, the clipboard
    // would have no owner and may refuse the data.
    OpenClipboardScope clipboard(main_, kClipboardAttempts, kClipboardRetryMs);
    if (!clipboard || !EmptyClipboard())
        return false;
    if (SetClipboardData(CF_TEXT, block.get()) == nullptr)
        return false; // the block was not taken: ours to free
    block.release();  // the clipboard owns it now
    return true;
}

std::optional<std::string> Win32Clipboard::Text() {
    OpenClipboardScope clipboard(main_, kClipboardAttempts, kClipboardRetryMs);
    if (!clipboard)
        return std::nullopt;
    HANDLE h = GetClipboardData(CF_TEXT);
    if (h == nullptr)
        return std::nullopt;
    GlobalLock<const char> data(h);
    if (data.get() == nullptr)
        return std::nullopt;
    // The block may be larger than its text, and a damaged one may lack the
    // terminator: never read past its size.
    const SIZE_T size = GlobalSize(h);
    const char* p = data.get();
    const void* end = std::memchr(p, 0, size);
    return std::string(p, end ? static_cast<const char*>(end) - p : size);
}

bool Win32Clipboard::HasText() const {
    return IsClipboardFormatAvailable(CF_TEXT) != FALSE;
}

bool Win32Clipboard::IsPrivate() const {
    return OffersRegisteredFormat("ExcludeClipboardContentFromMonitorProcessing") ||
           OffersRegisteredFormat("Clipboard Viewer Ignore");
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
    SendMessageA(ToHandle(to), WM_DRAWCLIPBOARD, drawNotice_.first, drawNotice_.second);
}

void Win32Clipboard::SendChangeChain(WindowRef to, WindowRef leaving, WindowRef following) const {
    SendMessageA(ToHandle(to), WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(ToHandle(leaving)),
                 reinterpret_cast<LPARAM>(ToHandle(following)));
}

} // namespace pw::win32
