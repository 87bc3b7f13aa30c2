#pragma once

#include <windows.h>

namespace pw::win32 {

// The program's icons, each drawn once for each size (and fill) and kept:
// an icon's blending is slow to do again at every painting.

// The icon laid on a solid fill, copied into `r`.
void DrawIconOnFill(HDC dc, const RECT& r, int id, COLORREF fill);
// The icon blended over what `dc` holds in `r`.
void BlendIcon(HDC dc, const RECT& r, int id);

} // namespace pw::win32
