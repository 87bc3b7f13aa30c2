#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

// What a window shows on the screen, pixel by pixel, as a person sees it.
class Screenshot {
public:
    // Copies the window's place on the screen; empty if that fails.
    static Screenshot of(HWND window);
    // Copies a rectangle of the screen.
    static Screenshot of(const RECT& screen);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return pixels_.empty(); }
    COLORREF at(int x, int y) const;
    // The part of the picture in rows [top, bottom).
    std::vector<COLORREF> rows(int top, int bottom) const;
    int count(const std::function<bool(int x, int y)>& test) const;
    // The box around the pixels that pass the test; empty (right < left) for none.
    RECT bounds(const std::function<bool(COLORREF)>& test) const;
    // Written as a .bmp into the folder named by PW_E2E_SHOTS, if set, for a look.
    void keep(const std::string& name) const;

    friend bool operator==(const Screenshot&, const Screenshot&) = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;
};

inline bool isColour(COLORREF c, int r, int g, int b) {
    return GetRValue(c) == r && GetGValue(c) == g && GetBValue(c) == b;
}
inline bool isDark(COLORREF c) {
    return GetRValue(c) < 90 && GetGValue(c) < 90 && GetBValue(c) < 90;
}

} // namespace e2e
