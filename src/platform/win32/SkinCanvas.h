#pragma once

#include "platform/win32/Unique.h"
#include "skin/NineSlice.h"
#include "ui/Control.h"

#include <windows.h>

#include <map>
#include <string>

namespace pw::win32 {

inline RECT ToRECT(const ui::Rect& r) {
    return {r.left, r.top, r.left + r.width, r.top + r.height};
}

inline COLORREF ToColorRef(const ui::Color& c) {
    return RGB(c.r, c.g, c.b);
}

// With a high-contrast theme on, controls keep the system's look.
bool HighContrastOn();

// A picture of the target's size drawn off the screen and copied onto it in
// one go when the scope ends, so that nothing flickers.
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
    UniqueGdiObject bitmap_;
    HGDIOBJ old_;
};

// The skins' bitmaps, loaded once per window.
class SkinPictures {
public:
    HBITMAP Get(int resourceId);

private:
    std::map<int, UniqueGdiObject> bitmaps_;
};

void Fill(HDC dc, const ui::Rect& r, const ui::Color& color);
// A piece of a bitmap, stretched, with the pixels of one colour left out; the
// colour of the bitmap's top-left pixel when none is given.
void DrawPiece(HDC dc, HBITMAP bitmap, const skin::Slice& slice, const ui::Color* transparent);
// Text extent as DrawText would lay it out: within `width` with DT_WORDBREAK.
SIZE MeasureText(HDC dc, const std::string& text, UINT flags, int width = 0);
// Whether the window hides mnemonics' underlines until Alt is used.
bool HidesAccelerators(HWND hwnd);

} // namespace pw::win32
