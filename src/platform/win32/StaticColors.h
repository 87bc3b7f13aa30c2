#pragma once

#include "platform/win32/Unique.h"
#include "ui/Control.h"

#include <cstdint>
#include <map>

namespace pw::win32 {

// The colours of a window's labels and picture placeholders
// (WM_CTLCOLORSTATIC), with one brush per colour while the window lives.
class StaticColors {
public:
    // False leaves the control to the system's colours.
    bool Paint(HDC dc, const ui::Control& control, LRESULT& result);

private:
    std::map<std::uint32_t, UniqueGdiObject> brushes_;
};

} // namespace pw::win32
