#include "platform/win32/SkinCanvas.h"

#include "platform/win32/WideText.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

namespace pw::win32 {

namespace {

// Asked once, and again after the system says its settings or colours changed.
std::optional<bool>& KnownHighContrast() {
    static std::optional<bool> known;
    return known;
}

} // namespace

bool HighContrastOn() {
    std::optional<bool>& known = KnownHighContrast();
    if (!known) {
        HIGHCONTRASTW contrast{};
        contrast.cbSize = sizeof(contrast);
        known =
            SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) != FALSE &&
            (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    }
    return *known;
}

void ForgetHighContrast() {
    KnownHighContrast().reset();
}

namespace {

// The kept surface: painting happens on the one window thread, one canvas at a time.
struct KeptSurface {
    HDC dc = nullptr;
    UniqueGdiObject bitmap;
    int width = 0;
    int height = 0;
    bool busy = false;
};

KeptSurface& Kept() {
    static KeptSurface kept;
    return kept;
}

} // namespace

HBITMAP CreateSurface(int width, int height) {
    BITMAPINFO info = TopDownBitmapInfo(std::max(width, 1), std::max(height, 1));
    void* bits = nullptr;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

OffscreenCanvas::OffscreenCanvas(HDC target, int width, int height)
    : target_(target), width_(width), height_(height) {
    KeptSurface& kept = Kept();
    shared_ = !kept.busy;
    if (shared_ && (width > kept.width || height > kept.height)) {
        const int w = std::max(width, kept.width);
        const int h = std::max(height, kept.height);
        if (kept.dc == nullptr)
            kept.dc = CreateCompatibleDC(nullptr);
        UniqueGdiObject grown(CreateSurface(w, h));
        if (grown && kept.dc != nullptr) {
            SelectObject(kept.dc, grown.get());
            kept.bitmap = std::move(grown);
            kept.width = w;
            kept.height = h;
        } else {
            shared_ = false;
        }
    }
    if (shared_) {
        kept.busy = true;
        dc_ = kept.dc;
        old_ = nullptr;
        return;
    }
    dc_ = CreateCompatibleDC(target);
    own_.reset(CreateSurface(width, height));
    old_ = SelectObject(dc_, own_.get());
}

OffscreenCanvas::~OffscreenCanvas() {
    BitBlt(target_, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
    if (shared_) {
        Kept().busy = false;
        return;
    }
    SelectObject(dc_, old_);
    DeleteDC(dc_);
}

HDC SkinPictures::Source(HBITMAP bitmap) {
    if (bitmap == nullptr)
        return nullptr;
    auto it = sources_.find(bitmap);
    if (it == sources_.end())
        it = sources_.emplace(bitmap, std::make_unique<BitmapDc>(nullptr, bitmap)).first;
    return it->second->get();
}

HBITMAP SkinPictures::Get(int resourceId) {
    auto it = bitmaps_.find(resourceId);
    if (it == bitmaps_.end())
        it = bitmaps_
                 .emplace(resourceId, UniqueGdiObject(LoadImageW(GetModuleHandleW(nullptr),
                                                                 MAKEINTRESOURCEW(resourceId),
                                                                 IMAGE_BITMAP, 0, 0, 0)))
                 .first;
    return static_cast<HBITMAP>(it->second.get());
}

HBITMAP SkinPictures::OnFace(int resourceId, const ui::Color& transparent, const ui::Color& face) {
    const auto key = std::make_pair(resourceId, ToColorRef(face));
    if (auto it = onFace_.find(key); it != onFace_.end())
        return static_cast<HBITMAP>(it->second.get());
    HBITMAP strip = Get(resourceId);
    BITMAP info{};
    if (strip == nullptr || GetObjectW(strip, sizeof(info), &info) == 0)
        return nullptr;
    UniqueGdiObject laid(CreateSurface(info.bmWidth, info.bmHeight));
    if (!laid)
        return nullptr;
    {
        const BitmapDc from(nullptr, strip);
        const BitmapDc to(nullptr, static_cast<HBITMAP>(laid.get()));
        Fill(to.get(), {0, 0, info.bmWidth, info.bmHeight}, face);
        GdiTransparentBlt(to.get(), 0, 0, info.bmWidth, info.bmHeight, from.get(), 0, 0,
                          info.bmWidth, info.bmHeight, ToColorRef(transparent));
    }
    return static_cast<HBITMAP>(onFace_.emplace(key, std::move(laid)).first->second.get());
}

void Fill(HDC dc, const ui::Rect& r, const ui::Color& color) {
    const RECT rect = ToRECT(r);
    SetBkColor(dc, ToColorRef(color));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void DrawPiece(HDC dc, HDC source, const skin::Slice& slice) {
    if (source == nullptr)
        return;
    // Plain stretching keeps every pixel one of the picture's at every scale.
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, slice.to.left, slice.to.top, slice.to.width, slice.to.height, source,
               slice.from.left, slice.from.top, slice.from.width, slice.from.height, SRCCOPY);
}

void DrawKeyedPiece(HDC dc, HDC source, const skin::Slice& slice) {
    if (source == nullptr)
        return;
    SetStretchBltMode(dc, COLORONCOLOR);
    GdiTransparentBlt(dc, slice.to.left, slice.to.top, slice.to.width, slice.to.height, source,
                      slice.from.left, slice.from.top, slice.from.width, slice.from.height,
                      GetPixel(source, 0, 0));
}

HDC MeasuringDc() {
    struct Kept {
        HDC dc = CreateCompatibleDC(nullptr);
        ~Kept() { DeleteDC(dc); }
    };
    static const Kept kept;
    return kept.dc;
}

SIZE MeasureText(HDC dc, const std::string& text, UINT flags, int width) {
    RECT r{0, 0, width, 0};
    const std::wstring wide = Wide(text);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r, flags | DT_CALCRECT);
    return {r.right - r.left, r.bottom - r.top};
}

bool HidesAccelerators(HWND hwnd) {
    return (SendMessageW(hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) != 0;
}

} // namespace pw::win32
