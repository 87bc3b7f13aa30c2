// The picture decoder on arbitrary bytes: it must not crash, and a picture it
// returns is whole: every row of pixels there, nothing larger than allowed.
#include "picture/JpegDecoder.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const pw::ui::Bitmap b = pw::DecodeJpeg(bytes);
    if (b.Empty() ? !b.bgra.empty()
                  : std::int64_t{b.width} * b.height > pw::kMaxJpegPixels ||
                        b.bgra.size() != static_cast<std::size_t>(b.width) * b.height * 4) {
        std::fprintf(stderr, "bitmap %d x %d with %zu bytes\n", b.width, b.height, b.bgra.size());
        std::abort();
    }
    return 0;
}
