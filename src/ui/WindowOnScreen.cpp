#include "ui/WindowOnScreen.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace pw::ui {
namespace {

// The top of a window holds its caption, by which it is moved.
constexpr std::int64_t kCaptionStrip = 30;
// What has to show of that strip on one monitor: room to take hold of the
// caption beside its buttons, and some of its height (a maximized window
// reaches above its monitor by its frame).
constexpr std::int64_t kGrabWidth = 150;
constexpr std::int64_t kGrabHeight = 12;
// A maximized window overhangs its monitor by its frame; a window larger than
// every monitor together by more than this has a size no window had.
constexpr std::int64_t kOverhang = 64;

// Stored values can be anything an int holds: the arithmetic is wider.
struct Span {
    std::int64_t begin;
    std::int64_t end;
};

Span Horizontal(const Rect& r) {
    return {r.left, std::int64_t{r.left} + std::max(r.width, 0)};
}

Span Vertical(const Rect& r) {
    return {r.top, std::int64_t{r.top} + std::max(r.height, 0)};
}

std::int64_t Overlap(Span a, Span b) {
    return std::max<std::int64_t>(0, std::min(a.end, b.end) - std::max(a.begin, b.begin));
}

std::int64_t Gap(Span a, Span b) {
    return std::max<std::int64_t>({0, b.begin - a.end, a.begin - b.end});
}

bool IsArea(const Rect& r) {
    return r.width > 0 && r.height > 0;
}

bool CaptionShowsOn(const Rect& bounds, const Rect& area) {
    const Span strip{
        bounds.top, bounds.top + std::min<std::int64_t>(kCaptionStrip, std::max(bounds.height, 0))};
    return Overlap(Horizontal(bounds), Horizontal(area)) >= kGrabWidth &&
           Overlap(strip, Vertical(area)) >= kGrabHeight;
}

// The nearest work area; of those the window meets, the one it meets most.
const Rect* Nearest(const Rect& bounds, std::span<const Rect> workAreas) {
    const Rect* best = nullptr;
    double bestGap = std::numeric_limits<double>::infinity();
    double bestShared = -1;
    for (const Rect& area : workAreas) {
        if (!IsArea(area))
            continue;
        const auto dx = static_cast<double>(Gap(Horizontal(bounds), Horizontal(area)));
        const auto dy = static_cast<double>(Gap(Vertical(bounds), Vertical(area)));
        const double gap = dx * dx + dy * dy;
        const double shared = static_cast<double>(Overlap(Horizontal(bounds), Horizontal(area))) *
                              static_cast<double>(Overlap(Vertical(bounds), Vertical(area)));
        if (gap < bestGap || (gap == bestGap && shared > bestShared)) {
            best = &area;
            bestGap = gap;
            bestShared = shared;
        }
    }
    return best;
}

// The size within the area's, at least the minimum (which wins on a monitor
// smaller than it); the start moved as little as keeps it inside.
void Fit(int& start, int& size, int areaStart, int areaSize, int minimum) {
    size = std::max(std::min(size, areaSize), minimum);
    const std::int64_t last = std::int64_t{areaStart} + areaSize - size;
    start =
        static_cast<int>(std::max<std::int64_t>(areaStart, std::min<std::int64_t>(start, last)));
}

} // namespace

bool IsReachable(const Rect& bounds, std::span<const Rect> workAreas) {
    bool caption = false;
    Span across{std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::min()};
    Span down = across;
    for (const Rect& area : workAreas) {
        if (!IsArea(area))
            continue;
        caption = caption || CaptionShowsOn(bounds, area);
        across = {std::min(across.begin, Horizontal(area).begin),
                  std::max(across.end, Horizontal(area).end)};
        down = {std::min(down.begin, Vertical(area).begin), std::max(down.end, Vertical(area).end)};
    }
    return caption && bounds.width <= across.end - across.begin + kOverhang &&
           bounds.height <= down.end - down.begin + kOverhang;
}

Rect OnScreen(const Rect& bounds, std::span<const Rect> workAreas, int minWidth, int minHeight) {
    const Rect* area = Nearest(bounds, workAreas);
    if (area == nullptr || IsReachable(bounds, workAreas))
        return bounds;
    Rect moved = bounds;
    Fit(moved.left, moved.width, area->left, area->width, minWidth);
    Fit(moved.top, moved.height, area->top, area->height, minHeight);
    return moved;
}

WindowPlacement OnScreen(const WindowPlacement& placement, std::span<const Rect> workAreas,
                         int minWidth, int minHeight) {
    WindowPlacement fitted = placement;
    fitted.bounds = OnScreen(placement.bounds, workAreas, minWidth, minHeight);
    fitted.normal = OnScreen(placement.normal, workAreas, minWidth, minHeight);
    return fitted;
}

} // namespace pw::ui
