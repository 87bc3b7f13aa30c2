#include "platform/win32/ImageSubclass.h"

#include "platform/win32/PointerWatch.h"
#include "platform/win32/ControlHook.h"

#include "platform/win32/IconDrawing.h"
#include "platform/win32/SkinCanvas.h"
#include "platform/win32/Unique.h"

#include <commctrl.h>
#include <windowsx.h>

namespace pw::win32 {

namespace {

void Paint(HWND hwnd, const ui::Image& image) {
    const PaintScope paint(hwnd);
    RECT r{};
    GetClientRect(hwnd, &r);
    DrawImage(paint.dc(), r, image, false);
}

void Release(HWND hwnd, ui::Image& image, bool left, LPARAM lp) {
    RECT r{};
    GetClientRect(hwnd, &r);
    const POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    const bool click = image.MouseUp(left && PtInRect(&r, at) != FALSE);
    ReleaseCapture();
    if (click)
        SendMessageA(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), STN_CLICKED),
                     reinterpret_cast<LPARAM>(hwnd));
}

LRESULT ImageProc(const ControlHook& hook, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto& image = hook.Ref<ui::Image>();
    switch (msg) {
    case WM_PAINT:
        Paint(hwnd, image);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETCURSOR:
        if (!image.HandCursor())
            break;
        return ShowHand();
    case WM_MOUSEMOVE:
        if (!image.MouseInside()) {
            WatchForLeave(hwnd);
            image.MouseEnter();
        }
        break;
    case WM_MOUSELEAVE:
        image.MouseLeave();
        return 0;
    // The static's own handling would click at the press.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetCapture(hwnd);
        image.MouseDown();
        return 0;
    case WM_LBUTTONUP:
        Release(hwnd, image, true, lp);
        return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        SetCapture(hwnd);
        image.MouseDown();
        break;
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        Release(hwnd, image, false, lp);
        break;
    case WM_CAPTURECHANGED: // taken away while held: back in place, no click
        image.MouseUp(false);
        break;
    default:
        break;
    }
    return hook.Next(hwnd, msg, wp, lp);
}

COLORREF ColorOf(const ui::Image& image) {
    const std::optional<ui::Color> fill = image.Fill();
    return fill ? RGB(fill->r, fill->g, fill->b) : GetSysColor(COLOR_BTNFACE);
}

} // namespace

void DrawImage(HDC dc, const RECT& r, const ui::Image& image, bool overBackground) {
    // Drawn over what lies beneath it, an image without a fill of its own lets
    // that show through the see-through parts of its icon.
    const bool blend = overBackground && !image.Fill();
    if (!blend) {
        const UniqueGdiObject brush(CreateSolidBrush(ColorOf(image)));
        FillRect(dc, &r, static_cast<HBRUSH>(brush.get()));
    }
    const ui::Picture& picture = image.GetPicture();
    if (const ui::Bitmap* b = picture.Pixels()) {
        const BITMAPINFO info = TopDownBitmapInfo(b->width, b->height);
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, r.left, r.top, nullptr);
        StretchDIBits(dc, r.left, r.top, image.Stretch() ? r.right - r.left : b->width,
                      image.Stretch() ? r.bottom - r.top : b->height, 0, 0, b->width, b->height,
                      b->bgra.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    } else if (picture.IconId() != 0) {
        if (blend)
            BlendIcon(dc, r, picture.IconId());
        else
            DrawIconOnFill(dc, r, picture.IconId(), ColorOf(image));
    }
}

void AttachImageSubclass(HWND control, ui::Image& image) {
    ControlHook::Attach(control, &ImageProc, &image);
}

} // namespace pw::win32
