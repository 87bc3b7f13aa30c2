#include "platform/win32/FormWindow.h"

#include "platform/Product.h"
#include "platform/win32/PointerWatch.h"
#include "platform/win32/FailureReport.h"
#include "platform/win32/MessageLoop.h"
#include "platform/win32/NotificationRoutes.h"
#include "platform/win32/SkinCanvas.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowDpi.h"
#include "platform/win32/WindowMessages.h"
#include "ui/DpiScale.h"

#include <windowsx.h>

namespace pw::win32 {

FormWindow::FormWindow(ui::Form& form) : form_(form) {}

std::span<const MessageRoute<FormWindow>> FormWindow::Routes() {
    static constexpr MessageRoute<FormWindow> kRoutes[] = {
        {WM_NOTIFY, &FormWindow::OnNotify},
        {WM_COMMAND, &FormWindow::OnCommand},
        {WM_MEASUREITEM, &FormWindow::OnMeasureItem},
        {WM_DRAWITEM, &FormWindow::OnDrawItem},
        {WM_MENUCHAR, &FormWindow::OnMenuChar},
        {WM_CONTEXTMENU, &FormWindow::OnContextMenu},
        {WM_CTLCOLORSTATIC, &FormWindow::OnCtlColorStatic},
        {WM_SETCURSOR, &FormWindow::OnSetCursor},
        {WM_PAINT, &FormWindow::OnPaint},
        {WM_MOUSEMOVE, &FormWindow::OnMouse},
        {WM_MOUSELEAVE, &FormWindow::OnMouse},
        {WM_LBUTTONDOWN, &FormWindow::OnMouse},
        {WM_LBUTTONDBLCLK, &FormWindow::OnMouse},
        {WM_LBUTTONUP, &FormWindow::OnMouse},
        {WM_RBUTTONDOWN, &FormWindow::OnMouse},
        {WM_RBUTTONUP, &FormWindow::OnMouse},
        {WM_MBUTTONDOWN, &FormWindow::OnMouse},
        {WM_MBUTTONUP, &FormWindow::OnMouse},
        {WM_CAPTURECHANGED, &FormWindow::OnMouse},
        {kCaptureKey, &FormWindow::OnCaptureKey},
        {WM_TIMER, &FormWindow::OnTimer},
        {WM_THEMECHANGED, &FormWindow::OnLookChanged},
        {WM_SETTINGCHANGE, &FormWindow::OnLookChanged},
        {WM_SYSCOLORCHANGE, &FormWindow::OnLookChanged},
        {WM_SHOWWINDOW, &FormWindow::OnShowWindow},
        {kShown, &FormWindow::OnShown},
        {WM_CLOSE, &FormWindow::OnClose},
        {WM_DESTROY, &FormWindow::OnDestroy},
        {WM_GETOBJECT, &FormWindow::OnGetObject},
        {kAccessibleAction, &FormWindow::OnAccessibleAction},
    };
    return kRoutes;
}

bool FormWindow::Create(HICON icon, HWND owner, DWORD style, DWORD exStyle) {
    if (!CreateFrame(icon, owner, style, exStyle))
        return false;
    CreateControls();
    return true;
}

bool FormWindow::CreateFrame(HICON icon, HWND owner, DWORD style, DWORD exStyle) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const std::wstring classText = Wide(form_.WindowClass());
    const wchar_t* className = classText.c_str();
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &FormWindow::WindowProc;
    wc.hInstance = instance;
    wc.hIcon = wc.hIconSm = icon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    WNDCLASSEXW known = wc;
    if (GetClassInfoExW(instance, className, &known) == FALSE && RegisterClassExW(&wc) == 0)
        return false;
    // A dialog goes on its owner's screen; the main window on the primary one.
    const int dpi = DpiOf(owner);
    RECT frame{0, 0, ui::ScaleForDpi(form_.DesignWidth(), dpi),
               ui::ScaleForDpi(form_.DesignHeight(), dpi)};
    if (form_.DesignSizeIsClient())
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const ui::Rect size = ToRect(frame);
    ui::Rect at = form_.DesignPosition().value_or(ui::Rect{CW_USEDEFAULT, CW_USEDEFAULT});
    RECT ownerFrame{};
    if (form_.CentredOnOwner() && owner != nullptr && GetWindowRect(owner, &ownerFrame))
        at = ui::CentredIn(ToRect(ownerFrame), size.width, size.height);
    hwnd_ = CreateWindowExW(exStyle, className, Wide(form_.Caption()).c_str(), style, at.left,
                            at.top, size.width, size.height, owner, nullptr, instance, this);
    if (hwnd_ == nullptr)
        return false;
    form_.AttachSite(this);
    form_.OnCaptionChanged = [this] { SetWindowTextW(hwnd_, Wide(form_.Caption()).c_str()); };
    form_.OnGoing = [this] {
        form_.OnShow = form_.OnCloseRequest = form_.OnDestroy = nullptr;
        Destroy();
    };
    form_.ScaleToDpi(dpi);
    frameDpi_ = dpi;
    fonts_.Make(dpi);
    return true;
}

void FormWindow::Teardown() {
    accessibility_.Forget();
    children_.Forget();
    form_.OnCaptionChanged = nullptr;
    form_.OnGoing = nullptr;
    form_.AttachSite(nullptr);
    hwnd_ = nullptr;
}

void FormWindow::ShowFirstTime(int command) {
    ::ShowWindow(hwnd_, command);
    MSG shown{};
    if (PeekMessageW(&shown, hwnd_, kShown, kShown, PM_REMOVE) && form_.OnShow)
        form_.OnShow();
}

bool FormWindow::TranslateShortcut(const MSG& msg) {
    // F10 comes as a system key, as Alt combinations do.
    if ((msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) || hwnd_ == nullptr ||
        (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd)))
        return false;
    return form_.RunShortcut(static_cast<std::uint16_t>(msg.wParam), GetKeyState(VK_CONTROL) < 0,
                             GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_MENU) < 0);
}

LRESULT CALLBACK FormWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcW(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->Teardown();
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    return CallGuarded(
        [&] {
            return self->Dispatch({msg, wp, lp});
        },
        [&] { return DefWindowProcW(hwnd, msg, wp, lp); });
}

LRESULT FormWindow::Dispatch(const Message& m) {
    LRESULT result = 0;
    if (RouteOwnMessage(m, result) || RouteMessage(*this, Routes(), m, result))
        return result;
    return DefWindowProcW(hwnd_, m.id, m.wp, m.lp);
}

bool FormWindow::OnNotify(const Message& m, LRESULT& result) {
    const auto& header = *reinterpret_cast<const NMHDR*>(m.lp);
    return children_.CustomDraw(header, result) ||
           RouteNotification(children_.Find(header.hwndFrom), children_.Mirror(), m.id, m.wp, m.lp);
}

bool FormWindow::OnCommand(const Message& m, LRESULT&) {
    const NativeChild* child = children_.Find(reinterpret_cast<HWND>(m.lp));
    // Esc, as the dialog keys send it: no control of the form has that id.
    if (child == nullptr && LOWORD(m.wp) == IDCANCEL && HIWORD(m.wp) == BN_CLICKED)
        return form_.Cancel();
    return RouteNotification(child, children_.Mirror(), m.id, m.wp, m.lp);
}

bool FormWindow::OnMeasureItem(const Message& m, LRESULT& result) {
    result = TRUE;
    return m.wp == 0 && menus_.Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(m.lp), Dpi());
}

bool FormWindow::OnDrawItem(const Message& m, LRESULT& result) {
    result = TRUE;
    return m.wp == 0 && menus_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.lp), Dpi());
}

bool FormWindow::OnMenuChar(const Message& m, LRESULT& result) {
    const std::optional<LRESULT> chosen = menus_.MenuChar(static_cast<wchar_t>(LOWORD(m.wp)));
    result = chosen.value_or(0);
    return chosen.has_value();
}

bool FormWindow::OnContextMenu(const Message& m, LRESULT&) {
    const auto source = reinterpret_cast<HWND>(m.wp);
    const NativeChild* child = children_.Find(source);
    if (child == nullptr || child->placement.control->ContextMenu() == nullptr)
        return false;
    POINT at{GET_X_LPARAM(m.lp), GET_Y_LPARAM(m.lp)};
    RECT r{};
    if (at.x == -1 && at.y == -1 && GetWindowRect(source, &r)) // from the keyboard
        at = {r.left, r.top};
    menus_.Popup(*child->placement.control->ContextMenu(), at.x, at.y);
    return true;
}

bool FormWindow::OnCtlColorStatic(const Message& m, LRESULT& result) {
    return children_.StaticColors(reinterpret_cast<HDC>(m.wp), reinterpret_cast<HWND>(m.lp),
                                  result);
}

bool FormWindow::OnSetCursor(const Message& m, LRESULT& result) {
    // A child's window passes the question on to its parent.
    tooltips_.Want();
    POINT at{};
    if (reinterpret_cast<HWND>(m.wp) != hwnd_ || LOWORD(m.lp) != HTCLIENT ||
        GetCursorPos(&at) == FALSE || ScreenToClient(hwnd_, &at) == FALSE ||
        !children_.Drawn().WantsHand(at))
        return false;
    result = ShowHand();
    return true;
}

bool FormWindow::OnPaint(const Message&, LRESULT&) {
    if (!children_.DrawsLabelsAndPictures())
        return false;
    const PaintScope paint(hwnd_);
    children_.Paint(paint.dc(), paint.Dirty());
    return true;
}

bool FormWindow::OnMouse(const Message& m, LRESULT&) {
    return children_.Drawn().Mouse(m.id, m.wp, m.lp);
}

bool FormWindow::OnCaptureKey(const Message& m, LRESULT&) {
    if (const NativeChild* child = children_.Find(reinterpret_cast<HWND>(m.lp));
        child != nullptr && child->placement.control->GetKind() == ui::Kind::CaptureField)
        static_cast<ui::CaptureField*>(child->placement.control)
            ->TakeCombination(HIWORD(m.wp), LOWORD(m.wp));
    return true;
}

bool FormWindow::OnTimer(const Message& m, LRESULT&) {
    return tooltips_.Timer(m.wp);
}

bool FormWindow::OnLookChanged(const Message& m, LRESULT&) {
    if (m.id == WM_THEMECHANGED)
        children_.Drawn().ThemeChanged();
    // High contrast may have come or gone: every control is drawn again in its look.
    ForgetHighContrast();
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return false;
}

bool FormWindow::OnGetObject(const Message& m, LRESULT& result) {
    return accessibility_.Answer(m.wp, m.lp, result);
}

bool FormWindow::OnAccessibleAction(const Message& m, LRESULT&) {
    accessibility_.RunAction(static_cast<long>(m.wp));
    return true;
}

bool FormWindow::OnShowWindow(const Message& m, LRESULT&) {
    // Shown by a call, not again with its owner coming back from minimized:
    // a dialog's show handler would put back what its user has changed.
    if (m.wp != FALSE && m.lp == 0)
        PostMessageW(hwnd_, kShown, 0, 0);
    return false;
}

bool FormWindow::OnShown(const Message&, LRESULT&) {
    if (form_.OnShow)
        form_.OnShow();
    return true;
}

bool FormWindow::OnClose(const Message&, LRESULT&) {
    if (!form_.OnCloseRequest)
        return false; // the system's handling: the window goes
    // The handler decides: a modal form's window goes when its loop ends, the
    // main window's when its loop ends.
    form_.OnCloseRequest();
    return true;
}

bool FormWindow::OnDestroy(const Message&, LRESULT&) {
    tooltips_.Destroy();
    if (form_.OnDestroy)
        form_.OnDestroy();
    return false;
}

void FormWindow::PopupFromKeyboard(const ui::PopupMenu& menu, const ui::Control& below) {
    for (const ui::Placement& placement : form_.Controls()) {
        if (placement.control != &below)
            continue;
        RECT anchor = ToRECT(placement.BoundsOnWindow());
        MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&anchor), 2);
        menus_.Popup(menu, anchor.left, anchor.bottom, &anchor);
        return;
    }
}

int FormWindow::Dpi() const {
    return DpiOf(hwnd_);
}

void FormWindow::ChangeDpi(int dpi, const RECT& suggested) {
    fonts_.Make(dpi);
    children_.FontsChanged();
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::SetPlacement(const ui::WindowPlacement& placement, bool centred) {
    ui::Rect r = placement.bounds;
    if (centred) {
        RECT work{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        r = ui::CentredIn(ToRect(work), r.width, r.height);
    }
    // Hidden still: the bounds now, the maximized state when first shown.
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
    initialShow_ = placement.maximized ? SW_SHOWMAXIMIZED : SW_SHOW;
}

void FormWindow::SetMinimizedPosition(int left, int top) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(hwnd_, &placement))
        return;
    placement.flags |= WPF_SETMINPOSITION;
    placement.ptMinPosition = {left, top};
    SetWindowPlacement(hwnd_, &placement);
}

ui::WindowPlacement FormWindow::GetPlacement() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    ui::WindowPlacement p{ToRect(r), IsZoomed(hwnd_) != FALSE, ToRect(r)};
    WINDOWPLACEMENT wp{};
    wp.length = sizeof(wp);
    if (GetWindowPlacement(hwnd_, &wp))
        p.normal = ToRect(wp.rcNormalPosition);
    // A minimized window stores where it was before, not the icon's place.
    // The system counts that from the work area: a taskbar at the top or left
    // would move the window by its size at each start.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (IsIconic(hwnd_) &&
        GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &monitor)) {
        p.bounds = p.normal;
        p.bounds.left += monitor.rcWork.left - monitor.rcMonitor.left;
        p.bounds.top += monitor.rcWork.top - monitor.rcMonitor.top;
        p.maximized = (wp.flags & WPF_RESTORETOMAXIMIZED) != 0;
    }
    return p;
}

void FormWindow::RunModal(ui::Form& dialog) {
    FormWindow window(dialog);
    if (!window.Create(nullptr, hwnd_, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS,
                       WS_EX_DLGMODALFRAME)) {
        MessageBoxW(hwnd_, L"The window could not be created.", Wide(kMessageCaption).c_str(),
                    MB_ICONERROR | MB_OK);
        return;
    }
    EnableWindow(hwnd_, FALSE);
    dialog.BeginModal();
    window.ShowFirstTime(SW_SHOW);
    SetFocus(GetNextDlgTabItem(window.Handle(), nullptr, FALSE));

    // Hotkeys and everything else of the thread keep being handled meanwhile.
    const std::optional<int> quit = RunMessages({this, &window}, [&] {
        return dialog.GetModalResult() != ui::ModalResult::None || window.Handle() == nullptr;
    });
    if (quit)
        PostQuitMessage(*quit); // for the outer loop
    // The owner first, so the activation goes back to it, not elsewhere.
    EnableWindow(hwnd_, TRUE);
    window.Destroy();
    SetActiveWindow(hwnd_);
}

} // namespace pw::win32
