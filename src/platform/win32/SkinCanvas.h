#pragma once

#include "platform/win32/Unique.h"
#include "skin/NineSlice.h"
#include "ui/Control.h"
#include "ui/LabelColors.h"

#include <windows.h>

#include <map>
#include <memory>
#include <string>

namespace pw::win32 {

inline RECT ToRECT(const ui::Rect& r) {
    return {r.left, r.top, r.left + r.width, r.top + r.height};
}

inline COLORREF ToColorRef(const ui::Color& c) {
    return RGB(c.r, c.g, c.b);
}

// One of the system's colours (COLOR_BTNFACE, ...).
inline ui::Color SystemColor(int index) {
    const COLORREF c = GetSysColor(index);
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

// The colours a label may take from the system, as they are now.
inline ui::SystemColors CurrentSystemColors() {
    return {SystemColor(COLOR_WINDOWTEXT), SystemColor(COLOR_BTNTEXT), SystemColor(COLOR_GRAYTEXT),
            SystemColor(COLOR_HOTLIGHT),   SystemColor(COLOR_WINDOW),  SystemColor(COLOR_BTNFACE)};
}

// With a high-contrast theme on, controls keep the system's look.
bool HighContrastOn();
// After a change of the system's settings or colours: asked again at next use.
void ForgetHighContrast();

// A picture of the target's size drawn off the screen and copied onto it in
// one go when the scope ends, so that nothing flickers. The drawing surface is
// kept from one painting to the next (a new one costs the window system a
// look at the displays each time); the painter covers all of it.
class OffscreenCanvas {
public:
    OffscreenCanvas(HDC target, int width, int height);
    ~OffscreenCanvas();
    OffscreenCanvas(const OffscreenCanvas&) = delete;
    OffscreenCanvas& operator=(const OffscreenCanvas&) = delete;
    HDC dc() const { return dc_; }

private:
    HDC target_;
    int width_;
    int height_;
    HDC dc_;
    HGDIOBJ old_;
    bool shared_;
    UniqueGdiObject own_; // when the kept surface is busy or too small to grow
};

// The skins' bitmaps, loaded once per window, and each strip as it looks laid
// on the window's face: the skins' see-through colour only ever shows the
// plain face beneath, and a copy that already has it there draws with a plain
// stretch instead of a colour-keyed copy per piece.
class SkinPictures {
public:
    HBITMAP Get(int resourceId);
    HBITMAP OnFace(int resourceId, const ui::Color& transparent, const ui::Color& face);
    // A memory DC with the bitmap selected, kept for the next piece of it.
    HDC Source(HBITMAP bitmap);

private:
    std::map<int, UniqueGdiObject> bitmaps_;
    std::map<std::pair<int, COLORREF>, UniqueGdiObject> onFace_;
    std::map<HBITMAP, std::unique_ptr<BitmapDc>> sources_; // after the bitmaps: let go first
};

// The header of a 32-bit top-down bitmap of that size, as every picture the
// program draws from memory is held.
inline BITMAPINFO TopDownBitmapInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A 32-bit top-down bitmap of the size, for drawing off the screen.
HBITMAP CreateSurface(int width, int height);

void Fill(HDC dc, const ui::Rect& r, const ui::Color& color);
// A piece of the bitmap selected into `source`, stretched.
void DrawPiece(HDC dc, HDC source, const skin::Slice& slice);
// The same with the pixels of the bitmap's top-left pixel's colour left out.
void DrawKeyedPiece(HDC dc, HDC source, const skin::Slice& slice);
// A device context for measuring text before or without a window: measures as
// a window's own would, without asking the window server for the window's.
HDC MeasuringDc();
// Text extent as DrawText would lay it out: within `width` with DT_WORDBREAK.
SIZE MeasureText(HDC dc, const std::string& text, UINT flags, int width = 0);
// Whether the window hides mnemonics' underlines until Alt is used.
bool HidesAccelerators(HWND hwnd);

} // namespace pw::win32
