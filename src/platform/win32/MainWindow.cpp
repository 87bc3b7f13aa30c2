#include "platform/win32/MainWindow.h"

#include "app/MainLayout.h"
#include "app/TrayIcon.h"
#include "platform/Product.h"
#include "platform/win32/CaptureFieldSubclass.h"
#include "platform/win32/WindowDpi.h"
#include "platform/win32/WindowMessages.h"
#include "platform/win32/WindowStateMessages.h"

namespace pw::win32 {

MainWindow::MainWindow(TfrmMain& form, Win32Desktop& desktop)
    : FormWindow(form), form_(form), desktop_(desktop) {
    DrawLabelsAndPictures();
}

std::span<const MessageRoute<MainWindow>> MainWindow::Routes() {
    static constexpr MessageRoute<MainWindow> kRoutes[] = {
        {WM_SIZE, &MainWindow::OnSize},
        {WM_GETMINMAXINFO, &MainWindow::OnGetMinMaxInfo},
        {WM_DPICHANGED, &MainWindow::OnDpiChanged},
        {WM_SYSCOMMAND, &MainWindow::OnSysCommand},
        {WM_ACTIVATE, &MainWindow::OnActivate},
        {kTrayCallback, &MainWindow::OnTrayIcon},
        {kTaskbarCreated, &MainWindow::OnTaskbarCreated},
        {WM_DRAWCLIPBOARD, &MainWindow::OnDrawClipboard},
        {WM_CHANGECBCHAIN, &MainWindow::OnChangeClipboardChain},
        {WM_HOTKEY, &MainWindow::OnHotkey},
        {WM_RENDERFORMAT, &MainWindow::OnRenderFormat},
        {WM_RENDERALLFORMATS, &MainWindow::OnRenderAllFormats},
        {WM_DESTROYCLIPBOARD, &MainWindow::OnDestroyClipboard},
        {kClipboardNotice, &MainWindow::OnClipboardNotice},
        {WM_TIMER, &MainWindow::OnTimer},
        {kActivateRequest, &MainWindow::OnActivateRequest},
        {WM_ENDSESSION, &MainWindow::OnEndSession},
    };
    return kRoutes;
}

bool MainWindow::RouteOwnMessage(const Message& m, LRESULT& result) {
    // A message registered at run time has its row under a fixed id.
    const Message routed =
        m.id == taskbarCreated_ && taskbarCreated_ != 0 ? Message{kTaskbarCreated, m.wp, m.lp} : m;
    return RouteMessage(*this, Routes(), routed, result);
}

bool MainWindow::OnSize(const Message& m, LRESULT&) {
    // A minimized window keeps its layout for its return.
    if (m.wp != SIZE_MINIMIZED) {
        const LayoutPass pass(*this);
        form_.FormResize();
    }
    return true;
}

bool MainWindow::OnGetMinMaxInfo(const Message& m, LRESULT&) {
    const ui::Size minimum = MainMinimumSize(Dpi());
    reinterpret_cast<MINMAXINFO*>(m.lp)->ptMinTrackSize = {minimum.width, minimum.height};
    return true;
}

bool MainWindow::OnDpiChanged(const Message& m, LRESULT&) {
    const LayoutPass pass(*this);
    ChangeDpi(LOWORD(m.wp), *reinterpret_cast<const RECT*>(m.lp));
    form_.DpiChanged();
    return true;
}

bool MainWindow::OnSysCommand(const Message& m, LRESULT&) {
    form_.SystemCommand(ToSystemCommand(m.wp), m.lp,
                        [&] { DefWindowProcW(Handle(), m.id, m.wp, m.lp); });
    return true;
}

bool MainWindow::OnActivate(const Message& m, LRESULT&) {
    if (LOWORD(m.wp) == WA_INACTIVE) {
        HWND focus = GetFocus();
        focusedChild_ = focus != nullptr && IsChild(Handle(), focus) ? focus : nullptr;
        return false;
    }
    // As a dialog does: the control that had the keyboard when the window was
    // left gets it back, and at first the entry box, which the show handler
    // gives it anyway. The window itself takes no keys, and giving it the
    // focus on the way costs a round of focus and input-method messages.
    HWND target = focusedChild_ != nullptr ? focusedChild_ : ChildOf(form_.eClipString);
    if (HIWORD(m.wp) != 0 || target == nullptr || !IsWindow(target) || !IsWindowVisible(target) ||
        !IsWindowEnabled(target))
        return false;
    SetFocus(target);
    return true;
}

bool MainWindow::OnTrayIcon(const Message& m, LRESULT&) {
    form_.TrayIconMessage(ToTrayClick(m.lp));
    return true;
}

bool MainWindow::OnTaskbarCreated(const Message&, LRESULT&) {
    form_.TaskbarCreated();
    return true;
}

bool MainWindow::OnDrawClipboard(const Message& m, LRESULT&) {
    desktop_.HandleDrawNotice(m.wp, m.lp, [this] { form_.ClipboardChanged(); });
    return true;
}

bool MainWindow::OnChangeClipboardChain(const Message& m, LRESULT&) {
    form_.ClipboardChainChanged(static_cast<WindowRef>(m.wp), static_cast<WindowRef>(m.lp));
    return true;
}

bool MainWindow::OnHotkey(const Message& m, LRESULT&) {
    // A capture field with the focus takes the combination; nothing is pasted.
    if (HWND field = FocusedCaptureField())
        SendMessageW(GetParent(field), kCaptureKey, MAKEWPARAM(HIWORD(m.lp), LOWORD(m.lp)),
                     reinterpret_cast<LPARAM>(field));
    else
        form_.HotkeyPressed(static_cast<std::int32_t>(m.wp), HIWORD(m.lp));
    return true;
}

bool MainWindow::OnRenderFormat(const Message& m, LRESULT&) {
    desktop_.Clipboard().RenderFormat(static_cast<UINT>(m.wp));
    return true;
}

bool MainWindow::OnRenderAllFormats(const Message&, LRESULT&) {
    desktop_.Clipboard().RenderAllFormats();
    return true;
}

bool MainWindow::OnDestroyClipboard(const Message&, LRESULT&) {
    desktop_.Clipboard().ClipboardDestroyed();
    return true;
}

bool MainWindow::OnClipboardNotice(const Message& m, LRESULT&) {
    if (!desktop_.Clipboard().IsCurrentOffer(m.wp))
        return true;
    switch (static_cast<ClipboardNotice>(m.lp)) {
    case ClipboardNotice::ReadByTarget:
        form_.ClipboardTextRead(ClipboardReader::Target);
        break;
    case ClipboardNotice::ReadByOther:
        form_.ClipboardTextRead(ClipboardReader::Other);
        break;
    case ClipboardNotice::Replaced:
        form_.ClipboardTextReplaced();
        break;
    }
    return true;
}

bool MainWindow::OnTimer(const Message& m, LRESULT&) {
    // The lower ids are the window layer's own.
    if (m.wp < kFirstProgramTimer)
        return false;
    form_.TimerElapsed(static_cast<unsigned>(m.wp));
    return true;
}

bool MainWindow::OnActivateRequest(const Message&, LRESULT&) {
    form_.ActivateRequest();
    return true;
}

bool MainWindow::OnEndSession(const Message& m, LRESULT&) {
    // The system ends the process right after this message at log-off.
    if (m.wp != FALSE)
        form_.SessionEnding();
    return true;
}

} // namespace pw::win32
