#include "platform/win32/FormWindow.h"

#include "hotkeys/HotkeyField.h"
#include "platform/Product.h"
#include "platform/win32/HotkeyFieldSubclass.h"
#include "platform/win32/WindowDpi.h"
#include "ui/DpiScale.h"

#include <exception>
#include <utility>

namespace pw::win32 {

bool FormWindow::Create(HICON icon, HWND owner, DWORD style, DWORD exStyle) {
    if (!CreateFrame(icon, owner, style, exStyle))
        return false;
    CreateControls();
    return true;
}

void FormWindow::CreateControls() {
    CreateControls(frameDpi_);
    mirror_.Attach();
    drawn_.Attach();
}

bool FormWindow::CreateFrame(HICON icon, HWND owner, DWORD style, DWORD exStyle) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    const char* className = form_.WindowClass().c_str();
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &FormWindow::WindowProc;
    wc.hInstance = instance;
    wc.hIcon = wc.hIconSm = icon;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    WNDCLASSEXA known = wc;
    if (GetClassInfoExA(instance, className, &known) == FALSE && RegisterClassExA(&wc) == 0)
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
    hwnd_ = CreateWindowExA(exStyle, className, form_.Caption().c_str(), style, at.left, at.top,
                            size.width, size.height, owner, nullptr, instance, this);
    if (hwnd_ == nullptr)
        return false;
    form_.AttachSite(this);
    form_.OnCaptionChanged = [this] { SetWindowTextA(hwnd_, form_.Caption().c_str()); };
    form_.ScaleToDpi(dpi);
    frameDpi_ = dpi;
    return true;
}

void FormWindow::Teardown() {
    mirror_.Detach();
    drawn_.Detach();
    drawn_.Clear();
    children_.clear(); // the child windows went with their parent
    skinned_.clear();
    form_.OnCaptionChanged = nullptr;
    form_.AttachSite(nullptr);
    hwnd_ = nullptr;
}

void FormWindow::ReportError(const char* what) noexcept {
    if (!std::exchange(errorReported_, true))
        MessageBoxA(nullptr, what, kMessageCaption, MB_ICONERROR | MB_OK);
}

bool FormWindow::OnClose() {
    if (!form_.OnCloseRequest)
        return true;
    form_.OnCloseRequest();
    return false; // a modal form's window goes when its loop ends
}

LRESULT FormWindow::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (HandleMessage(msg, wp, lp, result))
        return result;
    switch (msg) {
    case WM_NOTIFY:
        if (CustomDraw(*reinterpret_cast<const NMHDR*>(lp), result))
            return result;
        [[fallthrough]];
    case WM_COMMAND:
        if (RouteNotification(msg, wp, lp))
            return 0;
        break;
    case WM_MEASUREITEM:
        if (wp == 0 && MeasureMenuItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp)))
            return TRUE;
        break;
    case WM_DRAWITEM:
        if (wp == 0 && DrawMenuItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp)))
            return TRUE;
        break;
    case WM_MENUCHAR:
        if (shownMenu_ != nullptr && shownMenu_->Skin())
            return MenuChar(static_cast<char>(LOWORD(wp)));
        break;
    case WM_CONTEXTMENU:
        if (OnContextMenu(reinterpret_cast<HWND>(wp), lp))
            return 0;
        break;
    case WM_CTLCOLORSTATIC:
        if (const NativeChild* child = FindChild(reinterpret_cast<HWND>(lp)))
            if (PaintStatic(reinterpret_cast<HDC>(wp), *child->placement.control, result))
                return result;
        break;
    case WM_SETCURSOR:
        // A child's window passes the question on to its parent.
        WantTooltips();
        if (reinterpret_cast<HWND>(wp) == hwnd_ && LOWORD(lp) == HTCLIENT && HandOver()) {
            SetCursor(LoadCursor(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    case WM_PAINT:
        if (drawsLabelsAndPictures_) {
            PAINTSTRUCT ps{};
            HDC dc = BeginPaint(hwnd_, &ps);
            drawn_.Paint(dc, ps.rcPaint);
            PaintSkinnedChildren(dc, ps.rcPaint);
            EndPaint(hwnd_, &ps);
            return 0;
        }
        break;
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_CAPTURECHANGED:
        if (drawn_.Mouse(msg, wp, lp))
            return 0;
        break;
    case kCaptureKey:
        if (const NativeChild* child = FindChild(reinterpret_cast<HWND>(lp));
            child != nullptr && child->placement.control->GetKind() == ui::Kind::HotkeyField)
            static_cast<HotkeyField*>(child->placement.control)
                ->HotkeyPressed(HIWORD(wp), LOWORD(wp));
        return 0;
    case WM_TIMER:
        if (wp == kTooltipTimer) {
            CreateTooltips();
            return 0;
        }
        break;
    case WM_THEMECHANGED:
        drawn_.ThemeChanged();
        [[fallthrough]];
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
        // High contrast may have come or gone: every control is drawn again in its look.
        ForgetHighContrast();
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        break;
    case WM_CLOSE:
        if (!OnClose())
            return 0;
        break;
    case WM_DESTROY:
        OnDestroy();
        break;
    default:
        break;
    }
    return DefWindowProcA(hwnd_, msg, wp, lp);
}

// When the window is painted whole, its skinned controls are painted with it
// and marked as done: their own painting would cost each a round of requests
// to the window system for the same pixels.
void FormWindow::PaintSkinnedChildren(HDC dc, const RECT& dirty) {
    // Only when the whole window is painted, so that nothing it leaves out is marked done.
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (HighContrastOn() || !EqualRect(&dirty, &client))
        return;
    for (const std::unique_ptr<SkinnedControl>& s : skinned_) {
        RECT r{};
        if (!IsWindowVisible(s->hwnd) || !GetWindowRect(s->hwnd, &r))
            continue;
        MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
        const int saved = SaveDC(dc);
        SetViewportOrgEx(dc, r.left, r.top, nullptr);
        IntersectClipRect(dc, 0, 0, r.right - r.left, r.bottom - r.top);
        PaintSkinned(dc, *s);
        RestoreDC(dc, saved);
        ValidateRect(s->hwnd, nullptr);
    }
}

bool FormWindow::HandOver() const {
    POINT at{};
    return GetCursorPos(&at) != FALSE && ScreenToClient(hwnd_, &at) != FALSE &&
           drawn_.WantsHand(at);
}

LRESULT CALLBACK FormWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcA(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->Teardown();
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
    // Exceptions cannot unwind through user32's frames: stop them here.
    try {
        return self->Dispatch(msg, wp, lp);
    } catch (const std::exception& e) {
        self->ReportError(e.what());
    } catch (...) {
        self->ReportError("Unexpected error.");
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

} // namespace pw::win32
