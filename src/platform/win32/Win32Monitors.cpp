#include "platform/win32/Win32Monitors.h"

#include <windows.h>

namespace pw::win32 {

namespace {

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto& areas = *reinterpret_cast<std::vector<ScreenRect>*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoW(monitor, &info)) {
        const RECT& r = info.rcWork;
        const ScreenRect area{r.left, r.top, r.right - r.left, r.bottom - r.top};
        if ((info.dwFlags & MONITORINFOF_PRIMARY) != 0)
            areas.insert(areas.begin(), area);
        else
            areas.push_back(area);
    }
    return TRUE;
}

} // namespace

std::vector<ScreenRect> Win32Monitors::WorkAreas() const {
    std::vector<ScreenRect> areas;
    EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

} // namespace pw::win32
