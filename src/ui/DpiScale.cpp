#include "ui/DpiScale.h"

#include <cmath>

namespace pw::ui {

int RoundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        return static_cast<int>(below) + 1;
    return static_cast<int>(below);
}

int ScaleForDpi(int designPixels, int dpi) {
    if (dpi == kDesignDpi)
        return designPixels;
    return RoundHalfEven(static_cast<double>(designPixels) * dpi / kDesignDpi);
}

Rect ScaleForDpi(const Rect& design, int dpi) {
    return {ScaleForDpi(design.left, dpi), ScaleForDpi(design.top, dpi),
            ScaleForDpi(design.width, dpi), ScaleForDpi(design.height, dpi)};
}

} // namespace pw::ui
