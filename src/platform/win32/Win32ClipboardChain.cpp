#include "platform/win32/Win32Desktop.h"

namespace pw::win32 {

namespace {

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

bool Win32Desktop::ClipboardHasText() {
    return IsClipboardFormatAvailable(CF_TEXT) != FALSE;
}

bool Win32Desktop::ClipboardIsPrivate() {
    return OffersRegisteredFormat("ExcludeClipboardContentFromMonitorProcessing") ||
           OffersRegisteredFormat("Clipboard Viewer Ignore");
}

bool Win32Desktop::ClipboardHoldsOwnText() {
    // Only the paste opens the clipboard for the main window itself; every
    // other write, even one from our own entry box, makes another window the owner.
    return main_ != nullptr && GetClipboardOwner() == main_;
}

WindowRef Win32Desktop::JoinClipboardViewerChain() {
    return ToRef(SetClipboardViewer(main_));
}

void Win32Desktop::LeaveClipboardViewerChain(WindowRef successor) {
    ChangeClipboardChain(main_, ToHandle(successor));
}

void Win32Desktop::SendDrawClipboard(WindowRef to) {
    SendMessageA(ToHandle(to), WM_DRAWCLIPBOARD, drawNotice_.first, drawNotice_.second);
}

void Win32Desktop::SendChangeClipboardChain(WindowRef to, WindowRef leaving, WindowRef following) {
    SendMessageA(ToHandle(to), WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(ToHandle(leaving)),
                 reinterpret_cast<LPARAM>(ToHandle(following)));
}

WindowRef Win32Desktop::MainWindowRef() {
    return ToRef(main_);
}

void Win32Desktop::Pause(unsigned milliseconds) {
    Sleep(milliseconds);
}

} // namespace pw::win32
