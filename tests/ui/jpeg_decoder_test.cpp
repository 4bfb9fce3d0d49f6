#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "ui/jpeg_decoder.h"

// libjpeg's header needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace {

// A JPEG of a flat colour, made with libjpeg itself.
std::vector<uint8_t> FlatJpeg(int width, int height, uint8_t r, uint8_t g, uint8_t b) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = width;
    info.image_height = height;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row;
    for (int x = 0; x < width; ++x)
        row.insert(row.end(), {r, g, b});
    while (info.next_scanline < info.image_height) {
        JSAMPROW p = row.data();
        jpeg_write_scanlines(&info, &p, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<uint8_t> out(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    free(buffer);
    return out;
}

}  // namespace

TEST(JpegDecoder, DecodesAPictureAndRefusesDamagedData) {
    const auto jpeg = FlatJpeg(33, 17, 200, 40, 60);
    const auto picture = ui::DecodeJpeg(jpeg.data(), jpeg.size());
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Width(), 33);
    EXPECT_EQ(picture->Height(), 17);
    const pixels::Pixel p = picture->At(16, 8);
    EXPECT_NEAR(pixels::Red(p), 200, 4);
    EXPECT_NEAR(pixels::Green(p), 40, 4);
    EXPECT_NEAR(pixels::Blue(p), 60, 4);

    EXPECT_FALSE(ui::DecodeJpeg(jpeg.data(), 0));
    EXPECT_FALSE(ui::DecodeJpeg(jpeg.data(), 20)) << "cut inside the header";
    const std::vector<uint8_t> text = {'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'e', 'g'};
    EXPECT_FALSE(ui::DecodeJpeg(text.data(), text.size()));
}
