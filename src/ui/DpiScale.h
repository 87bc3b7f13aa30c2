#pragma once

#include "ui/Control.h"

namespace pw::ui {

// Designs are drawn in pixels of a 96-DPI screen; a window on a denser screen
// multiplies every figure by its DPI / 96.
inline constexpr int kDesignDpi = 96;

// To the nearest integer, a half to the even neighbour, so that a run of
// halves does not drift one way.
int RoundHalfEven(double value);

int ScaleForDpi(int designPixels, int dpi);
Rect ScaleForDpi(const Rect& design, int dpi);

} // namespace pw::ui
