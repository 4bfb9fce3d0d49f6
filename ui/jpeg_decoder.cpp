#include "ui/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

// libjpeg's header needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace ui {
namespace {

// libjpeg reports a fatal error by calling error_exit, which must not
// return; it jumps back to the decoder instead of ending the program.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

[[noreturn]] void ErrorExit(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

void SilentMessage(j_common_ptr) {}

// Only plain C objects live in this function's frame, so jumping out of
// libjpeg into it skips no destructor. Rows go into `rgb`, three bytes a
// pixel; false when libjpeg gave up on the data.
bool DecodeRgb(const uint8_t* data, size_t size, std::vector<uint8_t>& rgb, int& width,
               int& height) {
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = ErrorExit;
    errors.base.output_message = SilentMessage;
    if (setjmp(errors.escape)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    width = static_cast<int>(info.output_width);
    height = static_cast<int>(info.output_height);
    rgb.resize(static_cast<size_t>(width) * height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = rgb.data() + static_cast<size_t>(info.output_scanline) * width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

std::optional<pixels::Bitmap> DecodeJpeg(const uint8_t* data, size_t size) {
    std::vector<uint8_t> rgb;
    int width = 0, height = 0;
    if (size == 0 || !DecodeRgb(data, size, rgb, width, height))
        return std::nullopt;
    pixels::Bitmap picture(width, height);
    for (int y = 0; y < height; ++y) {
        const uint8_t* in = rgb.data() + static_cast<size_t>(y) * width * 3;
        for (int x = 0; x < width; ++x)
            picture.At(x, y) = pixels::MakePixel(in[3 * x], in[3 * x + 1], in[3 * x + 2]);
    }
    return picture;
}

}  // namespace ui
