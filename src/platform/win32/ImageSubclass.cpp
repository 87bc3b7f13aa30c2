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

// The press is held until the release: a left release over the control
// clicks, after the object has moved back.
void Release(HWND hwnd, PointedControl& pointed, bool left, LPARAM lp) {
    const ui::PointerEffects e = pointed.Release(hwnd, lp, left);
    if (e.released < 0)
        return;
    const bool click = static_cast<ui::Image&>(pointed.control).MouseUp(e.click);
    ReleaseCapture();
    if (click)
        PointedControl::SendClick(hwnd);
}

void Press(HWND hwnd, PointedControl& pointed, bool left, LPARAM lp) {
    if (pointed.Hold(hwnd, lp, left))
        static_cast<ui::Image&>(pointed.control).MouseDown();
}

LRESULT ImageProc(const ControlHook& hook, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto& pointed = hook.Ref<PointedControl>();
    auto& image = static_cast<ui::Image&>(pointed.control);
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
    case WM_MOUSEMOVE: {
        const ui::PointerEffects e = pointed.Move(hwnd, lp);
        if (e.left >= 0)
            image.MouseLeave();
        if (e.entered >= 0) {
            WatchForLeave(hwnd);
            image.MouseEnter();
        }
        break;
    }
    case WM_MOUSELEAVE:
        if (pointed.pointer.Leave().left >= 0)
            image.MouseLeave();
        return 0;
    // The static's own handling would click at the press.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        Press(hwnd, pointed, true, lp);
        return 0;
    case WM_LBUTTONUP:
        Release(hwnd, pointed, true, lp);
        return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        Press(hwnd, pointed, false, lp);
        break;
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        Release(hwnd, pointed, false, lp);
        break;
    case WM_CAPTURECHANGED: // taken away while held: back in place, no click
        if (pointed.pointer.CaptureLost().released >= 0)
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

void AttachImageSubclass(HWND control, PointedControl& image) {
    ControlHook::Attach(control, &ImageProc, &image);
}

} // namespace pw::win32
