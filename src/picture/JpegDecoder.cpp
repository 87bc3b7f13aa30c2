#include "picture/JpegDecoder.h"

#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <new>
#include <cstdio> // jpeglib.h needs FILE declared first

#include <jpeglib.h>

namespace pw {

namespace {

// The library reports a fatal error by calling error_exit, which must not
// return: it jumps back to the decoding frame.
struct ErrorTrap {
    jpeg_error_mgr manager{};
    std::jmp_buf back{};
};

[[noreturn]] void Fail(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorTrap*>(info->err)->back, 1);
}

// Warnings are the library's word for corrupt data it would paint over.
void FailOnWarning(j_common_ptr info, int level) {
    if (level < 0)
        Fail(info);
}

// Only trivially destructible objects live in this frame, so the jump back
// to it skips no destructor; the pixels are the caller's.
bool Decode(jpeg_decompress_struct& info, std::string_view bytes, ui::Bitmap& out) {
    ErrorTrap trap;
    info.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = &Fail;
    trap.manager.emit_message = &FailOnWarning;
    if (setjmp(trap.back) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK ||
        std::int64_t{info.image_width} * info.image_height > kMaxJpegPixels) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&info);
    out.width = static_cast<int>(info.output_width);
    out.height = static_cast<int>(info.output_height);
    const std::size_t stride = static_cast<std::size_t>(out.width) * 4;
    out.bgra.resize(stride * static_cast<std::size_t>(out.height));
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.bgra.data() + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

ui::Bitmap DecodeJpeg(std::string_view bytes) {
    ui::Bitmap bitmap;
    if (bytes.empty())
        return bitmap;
    jpeg_decompress_struct info{};
    try {
        if (!Decode(info, bytes, bitmap))
            return ui::Bitmap{};
    } catch (const std::bad_alloc&) {
        jpeg_destroy_decompress(&info);
        return ui::Bitmap{};
    }
    return bitmap;
}

} // namespace pw
