#include "platform/win32/SkinCanvas.h"

namespace pw::win32 {

bool HighContrastOn() {
    HIGHCONTRASTA contrast{};
    contrast.cbSize = sizeof(contrast);
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) != FALSE &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

OffscreenCanvas::OffscreenCanvas(HDC target, int width, int height)
    : target_(target), width_(width), height_(height), dc_(CreateCompatibleDC(target)),
      bitmap_(CreateCompatibleBitmap(target, width > 0 ? width : 1, height > 0 ? height : 1)),
      old_(SelectObject(dc_, bitmap_.get())) {}

OffscreenCanvas::~OffscreenCanvas() {
    BitBlt(target_, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
    SelectObject(dc_, old_);
    DeleteDC(dc_);
}

HBITMAP SkinPictures::Get(int resourceId) {
    auto it = bitmaps_.find(resourceId);
    if (it == bitmaps_.end())
        it = bitmaps_
                 .emplace(resourceId, UniqueGdiObject(LoadImageA(GetModuleHandleA(nullptr),
                                                                 MAKEINTRESOURCEA(resourceId),
                                                                 IMAGE_BITMAP, 0, 0, 0)))
                 .first;
    return static_cast<HBITMAP>(it->second.get());
}

void Fill(HDC dc, const ui::Rect& r, const ui::Color& color) {
    const RECT rect = ToRECT(r);
    SetBkColor(dc, ToColorRef(color));
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void DrawPiece(HDC dc, HBITMAP bitmap, const skin::Slice& slice, const ui::Color* transparent) {
    if (bitmap == nullptr)
        return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap);
    const COLORREF key = transparent != nullptr ? ToColorRef(*transparent) : GetPixel(source, 0, 0);
    // Plain stretching keeps the see-through colour exact at every scale.
    SetStretchBltMode(dc, COLORONCOLOR);
    GdiTransparentBlt(dc, slice.to.left, slice.to.top, slice.to.width, slice.to.height, source,
                      slice.from.left, slice.from.top, slice.from.width, slice.from.height, key);
    SelectObject(source, old);
    DeleteDC(source);
}

SIZE MeasureText(HDC dc, const std::string& text, UINT flags, int width) {
    RECT r{0, 0, width, 0};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, flags | DT_CALCRECT);
    return {r.right - r.left, r.bottom - r.top};
}

bool HidesAccelerators(HWND hwnd) {
    return (SendMessageA(hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) != 0;
}

} // namespace pw::win32
