#include "Screenshot.h"

#include <cstdio>
#include <cstdlib>

namespace e2e {

Screenshot Screenshot::of(HWND window) {
    RECT r{};
    return GetWindowRect(window, &r) ? of(r) : Screenshot{};
}

Screenshot Screenshot::of(const RECT& r) {
    Screenshot shot;
    if (r.right <= r.left || r.bottom <= r.top) {
        return shot;
    }
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        if (BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY)) {
            GdiFlush();
            const auto* bgra = static_cast<const std::uint8_t*>(bits);
            shot.width_ = width;
            shot.height_ = height;
            for (int i = 0; i < width * height; ++i) {
                shot.pixels_.push_back(RGB(bgra[4 * i + 2], bgra[4 * i + 1], bgra[4 * i]));
            }
        }
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shot;
}

COLORREF Screenshot::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return CLR_INVALID;
    }
    return pixels_[static_cast<std::size_t>(y * width_ + x)];
}

std::vector<COLORREF> Screenshot::rows(int top, int bottom) const {
    if (top < 0 || bottom > height_ || top >= bottom) {
        return {};
    }
    return {pixels_.begin() + top * width_, pixels_.begin() + bottom * width_};
}

int Screenshot::count(const std::function<bool(int, int)>& test) const {
    int n = 0;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            n += test(x, y) ? 1 : 0;
        }
    }
    return n;
}

RECT Screenshot::bounds(const std::function<bool(COLORREF)>& test) const {
    RECT box{width_, height_, -1, -1};
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (test(at(x, y))) {
                box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                       std::max<LONG>(box.right, x), std::max<LONG>(box.bottom, y)};
            }
        }
    }
    return box;
}

void Screenshot::keep(const std::string& name) const {
    const char* folder = std::getenv("PW_E2E_SHOTS");
    if (folder == nullptr || empty()) {
        return;
    }
    FILE* file = std::fopen((std::string(folder) + "\\" + name + ".bmp").c_str(), "wb");
    if (file == nullptr) {
        return;
    }
    const DWORD size = static_cast<DWORD>(pixels_.size() * 4);
    BITMAPFILEHEADER header{0x4D42, 14 + 40 + size, 0, 0, 14 + 40};
    BITMAPINFOHEADER info{sizeof(info), width_, -height_, 1, 32, BI_RGB, size, 0, 0, 0, 0};
    std::fwrite(&header, 14, 1, file);
    std::fwrite(&info, 40, 1, file);
    for (COLORREF c : pixels_) {
        const std::uint8_t bgra[4] = {GetBValue(c), GetGValue(c), GetRValue(c), 0};
        std::fwrite(bgra, 4, 1, file);
    }
    std::fclose(file);
}

} // namespace e2e
