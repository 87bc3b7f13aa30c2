#pragma once

#include "platform/Desktop.h"

#include <vector>

namespace pw::win32 {

// The monitors' work areas, for a window placed where a user can reach it.
class Win32Monitors {
public:
    // The primary monitor's first.
    std::vector<ScreenRect> WorkAreas() const;
};

} // namespace pw::win32
