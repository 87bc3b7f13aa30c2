#include "platform/win32/MainWindow.h"

#include "platform/Product.h"
#include "platform/win32/HotkeyFieldSubclass.h"

namespace pw::win32 {

namespace {

// The main window's own messages; control notifications reach the control
// objects through the common binding.
struct MessageRoute {
    UINT message;
    void (*handle)(TfrmMain& form, WPARAM wp, LPARAM lp);
};

constexpr MessageRoute kRoutes[] = {
    // A capture field with the focus takes the combination; nothing is pasted.
    {WM_HOTKEY,
     [](TfrmMain& form, WPARAM wp, LPARAM lp) {
         if (HWND field = FocusedHotkeyField())
             SendMessageA(GetParent(field), kCaptureKey, MAKEWPARAM(HIWORD(lp), LOWORD(lp)),
                          reinterpret_cast<LPARAM>(field));
         else
             form.HotkeyPressed(static_cast<std::int32_t>(wp));
     }},
    {WM_CHANGECBCHAIN,
     [](TfrmMain& form, WPARAM wp, LPARAM lp) {
         form.ClipboardChainChanged(static_cast<WindowRef>(wp), static_cast<WindowRef>(lp));
     }},
    {kActivateRequest, [](TfrmMain& form, WPARAM, LPARAM) { form.ActivateRequest(); }},
    // The system ends the process right after this message at log-off.
    {WM_ENDSESSION,
     [](TfrmMain& form, WPARAM wp, LPARAM) {
         if (wp != FALSE)
             form.SessionEnding();
     }},
};

} // namespace

bool MainWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    result = 0;
    if (HandleSizing(msg, wp, lp) || HandleWindowStates(msg, wp, lp))
        return true;
    if (msg == WM_DRAWCLIPBOARD) {
        desktop_.HandleDrawNotice(wp, lp, [this] { form_.ClipboardChanged(); });
        return true;
    }
    for (const MessageRoute& route : kRoutes) {
        if (route.message == msg) {
            route.handle(form_, wp, lp);
            result = 0;
            return true;
        }
    }
    return false;
}

bool MainWindow::OnClose() {
    // An accepted close ends the message loop; the window is destroyed after it.
    form_.FormClose();
    return false;
}

void MainWindow::OnDestroy() {
    form_.FormDestroy();
}

} // namespace pw::win32
