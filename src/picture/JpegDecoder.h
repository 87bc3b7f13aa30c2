#pragma once

#include "ui/Picture.h"

#include <cstdint>
#include <string_view>

namespace pw {

// The largest picture decoded, in pixels: far above anything the program
// ships, far below what a damaged header could ask memory for.
inline constexpr std::int64_t kMaxJpegPixels = std::int64_t{4096} * 4096;

// The pixels of a JPEG picture, fully opaque. A picture that is damaged in
// any way (not a JPEG, cut short, corrupt data, too large, colours that do
// not turn into RGB) gives an empty bitmap: shown as nothing rather than half.
ui::Bitmap DecodeJpeg(std::string_view bytes);

} // namespace pw
