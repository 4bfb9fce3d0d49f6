#include <gtest/gtest.h>

#include "skin/bmp_file.h"

using pixels::Bitmap;
using pixels::MakePixel;
using skin::ReadBmp;

namespace {

void Put(std::vector<uint8_t>& v, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        v.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// A BMP with a 40-byte header; `extra` (palette or masks) follows the header.
std::vector<uint8_t> MakeBmp(int width, int height, int bpp, uint32_t compression,
                             const std::vector<uint8_t>& extra, const std::vector<uint8_t>& pixels,
                             uint32_t paletteCount = 0) {
    std::vector<uint8_t> f = {'B', 'M'};
    const uint32_t offset = 54 + static_cast<uint32_t>(extra.size());
    Put(f, offset + static_cast<uint32_t>(pixels.size()), 4);
    Put(f, 0, 4);
    Put(f, offset, 4);
    Put(f, 40, 4);
    Put(f, static_cast<uint32_t>(width), 4);
    Put(f, static_cast<uint32_t>(height), 4);
    Put(f, 1, 2);
    Put(f, bpp, 2);
    Put(f, compression, 4);
    Put(f, static_cast<uint32_t>(pixels.size()), 4);
    Put(f, 0, 4);
    Put(f, 0, 4);
    Put(f, paletteCount, 4);
    Put(f, 0, 4);
    f.insert(f.end(), extra.begin(), extra.end());
    f.insert(f.end(), pixels.begin(), pixels.end());
    return f;
}

}  // namespace

TEST(BmpFile, RoundTripsAPictureThroughTheWriter) {
    Bitmap b(5, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x)
            b.At(x, y) = MakePixel(x * 50, y * 100, 255 - x * 10);
    }
    const auto file = skin::WriteBmp(b);
    EXPECT_EQ(file.size(), 54u + 3 * 16);  // rows padded to 16 bytes
    EXPECT_EQ(ReadBmp(file), b);
}

TEST(BmpFile, ReadsPalettedPicturesOfEveryDepth) {
    const std::vector<uint8_t> twoColours = {0, 0, 0, 0, 255, 255, 255, 0};  // black, white
    // 1 bit, bottom-up: the bottom row comes first in the file.
    auto mono =
        ReadBmp(MakeBmp(10, 2, 1, 0, twoColours, {0b10100000, 0b01000000, 0, 0, 0xFF, 0xC0, 0, 0}));
    ASSERT_TRUE(mono);
    EXPECT_EQ(mono->At(0, 1), MakePixel(255, 255, 255));
    EXPECT_EQ(mono->At(1, 1), MakePixel(0, 0, 0));
    EXPECT_EQ(mono->At(9, 1), MakePixel(255, 255, 255));
    EXPECT_EQ(mono->At(9, 0), MakePixel(255, 255, 255));
    // 4 bits: high nibble first.
    const std::vector<uint8_t> palette16 = {1, 2, 3, 0, 10, 20, 30, 0};
    auto nibbles = ReadBmp(MakeBmp(3, 1, 4, 0, palette16, {0x01, 0x00, 0, 0}, 2));
    ASSERT_TRUE(nibbles);
    EXPECT_EQ(nibbles->At(0, 0), MakePixel(3, 2, 1));
    EXPECT_EQ(nibbles->At(1, 0), MakePixel(30, 20, 10));
    // 8 bits, top-down, an index beyond a short palette reads as black.
    auto bytes = ReadBmp(MakeBmp(3, -1, 8, 0, palette16, {1, 0, 9, 0}, 2));
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->At(0, 0), MakePixel(30, 20, 10));
    EXPECT_EQ(bytes->At(2, 0), MakePixel(0, 0, 0));
}

TEST(BmpFile, ReadsThirtyTwoAndSixteenBitPictures) {
    auto plain = ReadBmp(MakeBmp(1, 1, 32, 0, {}, {0x10, 0x20, 0x30, 0xFF}));
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->At(0, 0), MakePixel(0x30, 0x20, 0x10));
    std::vector<uint8_t> masks565;
    Put(masks565, 0xF800, 4);
    Put(masks565, 0x07E0, 4);
    Put(masks565, 0x001F, 4);
    auto fields = ReadBmp(MakeBmp(2, 1, 16, 3, masks565, {0x00, 0xF8, 0x1F, 0x00}));
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->At(0, 0), MakePixel(255, 0, 0));
    EXPECT_EQ(fields->At(1, 0), MakePixel(0, 0, 255));
    auto rgb555 = ReadBmp(MakeBmp(1, 1, 16, 0, {}, {0xE0, 0x03, 0, 0}));
    ASSERT_TRUE(rgb555);
    EXPECT_EQ(rgb555->At(0, 0), MakePixel(0, 255, 0));
}

TEST(BmpFile, RefusesMalformedFiles) {
    const std::vector<uint8_t> pixel = {1, 2, 3, 0};
    auto good = MakeBmp(1, 1, 24, 0, {}, pixel);
    ASSERT_TRUE(ReadBmp(good));
    auto bad = good;
    bad[0] = 'X';
    EXPECT_FALSE(ReadBmp(bad)) << "magic";
    for (size_t cut = 0; cut < good.size(); ++cut) {
        EXPECT_FALSE(ReadBmp(good.data(), cut)) << "truncated to " << cut;
    }
    EXPECT_FALSE(ReadBmp(MakeBmp(0, 1, 24, 0, {}, pixel))) << "no width";
    EXPECT_FALSE(ReadBmp(MakeBmp(1, 0, 24, 0, {}, pixel))) << "no height";
    EXPECT_FALSE(ReadBmp(MakeBmp(40000, 1, 24, 0, {}, pixel))) << "too wide";
    EXPECT_FALSE(ReadBmp(MakeBmp(30000, 30000, 24, 0, {}, pixel))) << "too many pixels";
    EXPECT_FALSE(ReadBmp(MakeBmp(1, 1, 7, 0, {}, pixel))) << "bit depth";
    EXPECT_FALSE(ReadBmp(MakeBmp(1, 1, 8, 1, {0, 0, 0, 0}, pixel))) << "run-length";
    EXPECT_FALSE(ReadBmp(MakeBmp(1, 1, 8, 0, {}, pixel))) << "palette past the end";
    bad = good;
    bad[14] = 13;
    EXPECT_FALSE(ReadBmp(bad)) << "header size";
    bad = good;
    bad[26] = 2;
    EXPECT_FALSE(ReadBmp(bad)) << "planes";
    bad = good;
    bad[10] = 0xF0;
    EXPECT_FALSE(ReadBmp(bad)) << "pixels past the end";
    std::vector<uint8_t> gappy;
    Put(gappy, 0xF00F, 4);
    Put(gappy, 0x0FF0, 4);
    Put(gappy, 0, 4);
    EXPECT_FALSE(ReadBmp(MakeBmp(1, 1, 16, 3, gappy, pixel))) << "mask with a gap";
}

// A bitmap resource is the file without its 14-byte header: the pixels are
// found behind the header, the bit-field masks and the colour table.
TEST(BmpFile, ReadsBitmapResourcesAsTheFilesTheyCameFrom) {
    const std::vector<uint8_t> twoColours = {0, 0, 0, 0, 255, 255, 255, 0};
    const std::vector<uint8_t> palette16 = {1, 2, 3, 0, 10, 20, 30, 0};
    std::vector<uint8_t> masks565;
    Put(masks565, 0xF800, 4);
    Put(masks565, 0x07E0, 4);
    Put(masks565, 0x001F, 4);
    const std::vector<std::vector<uint8_t>> files = {
        MakeBmp(10, 2, 1, 0, twoColours, {0b10100000, 0b01000000, 0, 0, 0xFF, 0xC0, 0, 0}),
        MakeBmp(3, 1, 4, 0, palette16, {0x01, 0x00, 0, 0}, 2),
        MakeBmp(2, 1, 16, 3, masks565, {0x00, 0xF8, 0x1F, 0x00}),
        MakeBmp(1, 1, 24, 0, {}, {1, 2, 3, 0}),
        MakeBmp(1, 1, 32, 0, {}, {0x10, 0x20, 0x30, 0xFF}),
    };
    for (const auto& file : files) {
        const auto expected = ReadBmp(file);
        ASSERT_TRUE(expected);
        const auto resource = skin::ReadPackedDib(file.data() + 14, file.size() - 14);
        ASSERT_TRUE(resource);
        EXPECT_EQ(*resource, *expected);
    }
    const auto good = MakeBmp(1, 1, 24, 0, {}, {1, 2, 3, 0});
    for (size_t cut = 0; cut < good.size() - 14; ++cut)
        EXPECT_FALSE(skin::ReadPackedDib(good.data() + 14, cut)) << "truncated to " << cut;
}
