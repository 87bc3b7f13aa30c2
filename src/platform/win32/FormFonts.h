#pragma once

#include "platform/win32/Unique.h"
#include "ui/Control.h"

#include <windows.h>

namespace pw::win32 {

// The design font (MS Sans Serif, 8 points) of one form at its DPI, with the
// bold and underlined variants its labels ask for.
class FormFonts {
public:
    // Made anew for the DPI; the old fonts go once the controls have the new ones.
    void Make(int dpi);
    HFONT For(const ui::Control& control) const;
    HFONT Bold() const { return static_cast<HFONT>(bold_.get()); }

private:
    UniqueGdiObject plain_;
    UniqueGdiObject bold_;
    UniqueGdiObject link_;
    UniqueGdiObject boldLink_;
};

// The controls' font as designed, for this DPI.
HFONT CreateDesignFont(int dpi);

} // namespace pw::win32
