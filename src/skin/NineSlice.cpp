#include "skin/NineSlice.h"

#include "ui/DpiScale.h"

#include <algorithm>
#include <array>

namespace pw::skin {

namespace {

// The three spans of one axis: start cap, middle, end cap.
struct Spans {
    std::array<int, 3> from;
    std::array<int, 3> fromSize;
    std::array<int, 3> to;
    std::array<int, 3> toSize;
};

Spans Split(int sourceStart, int sourceSize, int corner, int targetStart, int targetSize, int dpi) {
    // At least one source pixel stays in the middle, or a stretched target
    // would have a gap there.
    const int cap = std::clamp(corner, 0, std::max(0, (sourceSize - 1) / 2));
    int toCap = ui::ScaleForDpi(cap, dpi);
    if (2 * toCap > targetSize)
        toCap = targetSize / 2;
    const int middle = sourceSize - 2 * cap;
    const int toMiddle = targetSize - 2 * toCap;
    return {{sourceStart, sourceStart + cap, sourceStart + cap + middle},
            {cap, middle, cap},
            {targetStart, targetStart + toCap, targetStart + toCap + toMiddle},
            {toCap, toMiddle, toCap}};
}

} // namespace

std::vector<Slice> FitFrame(const ui::Rect& source, int cornerWidth, int cornerHeight,
                            const ui::Rect& target, int dpi) {
    const Spans x = Split(source.left, source.width, cornerWidth, target.left, target.width, dpi);
    const Spans y = Split(source.top, source.height, cornerHeight, target.top, target.height, dpi);
    std::vector<Slice> slices;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            const Slice s{{x.from[col], y.from[row], x.fromSize[col], y.fromSize[row]},
                          {x.to[col], y.to[row], x.toSize[col], y.toSize[row]}};
            if (s.from.width > 0 && s.from.height > 0 && s.to.width > 0 && s.to.height > 0)
                slices.push_back(s);
        }
    return slices;
}

} // namespace pw::skin
