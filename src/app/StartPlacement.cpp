#include "app/StartPlacement.h"

#include "platform/Desktop.h"
#include "ui/WindowOnScreen.h"

#include <vector>

namespace pw {

ui::WindowPlacement PlacementOnScreen(const ui::WindowPlacement& stored, Desktop& desktop) {
    std::vector<ui::Rect> areas;
    for (const ScreenRect& area : desktop.MonitorWorkAreas())
        areas.push_back({area.left, area.top, area.width, area.height});
    return ui::OnScreen(stored, areas, kMainMinWidth, kMainMinHeight);
}

} // namespace pw
