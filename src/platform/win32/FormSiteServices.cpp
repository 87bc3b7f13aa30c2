#include "platform/win32/FormWindow.h"

#include "platform/Product.h"

namespace pw::win32 {

void FormWindow::Focus(const ui::Control& control) {
    if (HWND child = ChildOf(control))
        SetFocus(child);
}

HWND FormWindow::ChildOf(const ui::Control& control) const {
    for (const NativeChild& c : children_)
        if (c.placement.control == &control)
            return c.hwnd;
    return nullptr;
}

void FormWindow::SetPlacement(const ui::WindowPlacement& placement, bool centred) {
    ui::Rect r = placement.bounds;
    if (centred) {
        RECT work{};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
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
        GetMonitorInfoA(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &monitor)) {
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
        MessageBoxA(hwnd_, "The window could not be created.", kMessageCaption,
                    MB_ICONERROR | MB_OK);
        return;
    }
    EnableWindow(hwnd_, FALSE);
    dialog.BeginModal();
    ::ShowWindow(window.Handle(), SW_SHOW);
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
