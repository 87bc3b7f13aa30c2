#include "platform/win32/IconDrawing.h"

#include "platform/win32/SkinCanvas.h"
#include "platform/win32/Unique.h"

#include <cstdint>
#include <map>
#include <tuple>
#include <utility>
#include <vector>

namespace pw::win32 {

namespace {

HICON LoadIconAt(int id, int width, int height) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                         IMAGE_ICON, width, height, LR_SHARED));
}

void CopyFrom(HDC dc, const RECT& r, HBITMAP bitmap, bool blend) {
    const BitmapDc source(dc, bitmap);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    if (blend) {
        const BLENDFUNCTION over{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        GdiAlphaBlend(dc, r.left, r.top, width, height, source.get(), 0, 0, width, height, over);
    } else {
        BitBlt(dc, r.left, r.top, width, height, source.get(), 0, 0, SRCCOPY);
    }
}

// The icon's colours premultiplied by its own alpha, as blending takes them;
// null for an icon without an alpha channel.
UniqueGdiObject Premultiplied(HICON icon, int width, int height) {
    ICONINFO parts{};
    if (icon == nullptr || !GetIconInfo(icon, &parts))
        return UniqueGdiObject();
    const UniqueGdiObject color(parts.hbmColor);
    const UniqueGdiObject mask(parts.hbmMask);
    if (!color)
        return UniqueGdiObject();
    BITMAPINFO info = TopDownBitmapInfo(width, height);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    if (GetDIBits(MeasuringDc(), static_cast<HBITMAP>(color.get()), 0, height, pixels.data(), &info,
                  DIB_RGB_COLORS) != height)
        return UniqueGdiObject();
    bool alpha = false;
    for (std::uint32_t& p : pixels) {
        const std::uint32_t a = p >> 24;
        alpha = alpha || a != 0;
        const auto scaled = [a](std::uint32_t c) { return (c * a + 127) / 255; };
        p = (a << 24) | (scaled((p >> 16) & 0xFF) << 16) | (scaled((p >> 8) & 0xFF) << 8) |
            scaled(p & 0xFF);
    }
    if (!alpha)
        return UniqueGdiObject();
    void* bits = nullptr;
    UniqueGdiObject blended(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!blended || bits == nullptr)
        return UniqueGdiObject();
    std::copy(pixels.begin(), pixels.end(), static_cast<std::uint32_t*>(bits));
    return blended;
}

} // namespace

void DrawIconOnFill(HDC dc, const RECT& r, int id, COLORREF fill) {
    static std::map<std::tuple<int, int, int, COLORREF>, UniqueGdiObject> drawn;
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const auto key = std::make_tuple(id, width, height, fill);
    auto it = drawn.find(key);
    if (it == drawn.end()) {
        UniqueGdiObject bitmap(CreateSurface(width, height));
        {
            const BitmapDc on(nullptr, static_cast<HBITMAP>(bitmap.get()));
            const UniqueGdiObject brush(CreateSolidBrush(fill));
            const RECT all{0, 0, width, height};
            FillRect(on.get(), &all, static_cast<HBRUSH>(brush.get()));
            DrawIconEx(on.get(), 0, 0, LoadIconAt(id, width, height), width, height, 0, nullptr,
                       DI_NORMAL);
        }
        it = drawn.emplace(key, std::move(bitmap)).first;
    }
    CopyFrom(dc, r, static_cast<HBITMAP>(it->second.get()), false);
}

void BlendIcon(HDC dc, const RECT& r, int id) {
    static std::map<std::tuple<int, int, int>, UniqueGdiObject> premultiplied;
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    HICON icon = LoadIconAt(id, width, height);
    const auto key = std::make_tuple(id, width, height);
    auto it = premultiplied.find(key);
    if (it == premultiplied.end())
        it = premultiplied.emplace(key, Premultiplied(icon, width, height)).first;
    if (it->second)
        CopyFrom(dc, r, static_cast<HBITMAP>(it->second.get()), true);
    else // no alpha of its own: the mask says what shows
        DrawIconEx(dc, r.left, r.top, icon, width, height, 0, nullptr, DI_NORMAL);
}

} // namespace pw::win32
