#include <gtest/gtest.h>

#include "skin_test_helpers.h"

#include "fixed_look.h"
#include "skin/blend.h"
#include "skin/gradient.h"
#include "skin/pixel_ops.h"

using namespace skin;
using skintest::Numbered;

TEST(PixelOps, GreyAndMagentaReplacement) {
    Bitmap b(2, 1);
    b.At(0, 0) = MakePixel(10, 20, 31);
    b.At(1, 0) = pixels::kMagenta;
    Bitmap replaced = b;
    ReplaceMagenta(replaced, MakePixel(1, 2, 3));
    EXPECT_EQ(replaced.At(0, 0), MakePixel(10, 20, 31));
    EXPECT_EQ(replaced.At(1, 0), MakePixel(1, 2, 3));
    Grey(b);
    EXPECT_EQ(b.At(0, 0), MakePixel(20, 20, 20));
    EXPECT_EQ(b.At(1, 0), MakePixel(170, 170, 170));
}

TEST(PixelOps, MirrorFlipAndQuarterTurns) {
    const Bitmap b = Numbered(3, 2);
    const Bitmap mirrored = Mirror(b);
    EXPECT_EQ(mirrored.At(0, 0), b.At(2, 0));
    EXPECT_EQ(mirrored.At(2, 1), b.At(0, 1));
    const Bitmap flipped = Flip(b);
    EXPECT_EQ(flipped.At(0, 0), b.At(0, 1));
    EXPECT_EQ(flipped.At(2, 1), b.At(2, 0));

    // Clockwise, the left column becomes the top row, read bottom to top.
    const Bitmap cw = RotateClockwise(b);
    ASSERT_EQ(cw.Width(), 2);
    ASSERT_EQ(cw.Height(), 3);
    EXPECT_EQ(cw.At(0, 0), b.At(0, 1));
    EXPECT_EQ(cw.At(1, 0), b.At(0, 0));
    EXPECT_EQ(cw.At(0, 2), b.At(2, 1));
    const Bitmap acw = RotateAnticlockwise(b);
    EXPECT_EQ(acw.At(0, 0), b.At(2, 0));
    EXPECT_EQ(acw.At(1, 2), b.At(0, 1));
    EXPECT_EQ(RotateAnticlockwise(cw), b);
    EXPECT_EQ(RotateClockwise(RotateClockwise(b)), Flip(Mirror(b)));
}

TEST(PixelOps, CropAndDrawStayInsideBothBitmaps) {
    const Bitmap b = Numbered(4, 3);
    const Bitmap part = Crop(b, {-2, 1, 2, 9});
    ASSERT_EQ(part.Width(), 2);
    ASSERT_EQ(part.Height(), 2);
    EXPECT_EQ(part.At(0, 0), b.At(0, 1));
    EXPECT_TRUE(Crop(b, {5, 0, 9, 3}).Empty());

    Bitmap source = Numbered(3, 3);
    source.At(1, 1) = pixels::kMagenta;
    Bitmap target(3, 3, MakePixel(9, 9, 9));
    DrawBitmap(target, -1, 1, source, {0, 0, 3, 3}, true);
    EXPECT_EQ(target.At(0, 0), MakePixel(9, 9, 9));
    EXPECT_EQ(target.At(0, 1), source.At(1, 0));
    EXPECT_EQ(target.At(1, 1), source.At(2, 0));
    EXPECT_EQ(target.At(0, 2), MakePixel(9, 9, 9));  // the magenta pixel
    EXPECT_EQ(target.At(2, 1), MakePixel(9, 9, 9));
    DrawBitmap(target, 2, 2, source, {1, 1, 3, 3}, false);
    EXPECT_EQ(target.At(2, 2), pixels::kMagenta);
}

TEST(Blend, WeighsPercentBelowAHundredAndPerMilleFromAHundredOn) {
    const skintest::FixedLook look;
    const Colour a = MakeColour(200, 100, 0), b = MakeColour(0, 0, 255);
    EXPECT_EQ(Blend(a, b, 50, look), MakeColour(100, 50, 128));
    EXPECT_EQ(Blend(a, b, 150, look), MakeColour(30, 15, 217));
    // ButtonFace of the fixed look is (31, 16, 16).
    const Colour face = SystemColour(SystemColourIndex::ButtonFace);
    EXPECT_EQ(Blend(face, kWhite, 99, look), MakeColour(33, 18, 18));
    EXPECT_EQ(Blend(face, kWhite, 100, look), MakeColour(233, 231, 231));
    EXPECT_EQ(Blend(a, b, 0, look), b);
    EXPECT_EQ(Blend(a, b, 1000, look), a);
    EXPECT_EQ(Blend(MakeColour(255, 0, 0), MakeColour(0, 255, 0), 2000, look),
              MakeColour(255, 0, 0));
}

TEST(Gradient, RampsRoundTowardZero) {
    const auto red = [](const std::vector<Pixel>& ramp) {
        std::vector<int> out;
        for (Pixel p : ramp)
            out.push_back(Red(p));
        return out;
    };
    EXPECT_EQ(red(MakeRamp(MakeColour(0, 0, 0), MakeColour(30, 0, 0), 4)),
              (std::vector<int>{0, 10, 20, 30}));
    // Falling components stop one short of the end colour.
    EXPECT_EQ(red(MakeRamp(MakeColour(30, 0, 0), MakeColour(0, 0, 0), 4)),
              (std::vector<int>{30, 21, 11, 1}));
    EXPECT_EQ(red(MakeRamp(MakeColour(10, 0, 0), MakeColour(20, 0, 0), 1)), (std::vector<int>{15}));
    EXPECT_EQ(red(MakeRamp(MakeColour(20, 0, 0), MakeColour(11, 0, 0), 1)), (std::vector<int>{16}));
    const std::vector<Pixel> ramp = MakeRamp(MakeColour(0, 100, 200), MakeColour(90, 0, 200), 2);
    EXPECT_EQ(ramp, (std::vector<Pixel>{MakePixel(0, 100, 200), MakePixel(90, 0, 200)}));
}

TEST(Gradient, TheCacheReusesRampsOfTheSameRequest) {
    GradientCache cache;
    const Colour dark = MakeColour(30, 0, 0), light = MakeColour(0, 0, 0);
    const std::vector<Pixel>* falling = &cache.Ramp(dark, light, 4);
    EXPECT_EQ(&cache.Ramp(dark, light, 4), falling);
    EXPECT_EQ(*falling, MakeRamp(dark, light, 4));
    // The falling ramp ends at (1, 0, 0), yet a request for that end colour
    // gets a ramp of its own.
    const std::vector<Pixel>& other = cache.Ramp(dark, MakeColour(1, 0, 0), 4);
    EXPECT_EQ(other, MakeRamp(dark, MakeColour(1, 0, 0), 4));
    EXPECT_NE(&other, falling);
    const std::vector<Pixel>* single = &cache.Ramp(dark, light, 1);
    EXPECT_EQ(&cache.Ramp(dark, light, 1), single);
    EXPECT_NE(&cache.Ramp(dark, light, 5), falling);
}

TEST(Gradient, TheCacheReplacesItsSixteenSlotsRoundRobin) {
    GradientCache cache;
    std::vector<const std::vector<Pixel>*> slots;
    for (int i = 0; i < 16; ++i)
        slots.push_back(&cache.Ramp(MakeColour(i, 0, 0), kWhite, 8));
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(&cache.Ramp(MakeColour(i, 0, 0), kWhite, 8), slots[i]) << i;
    // The seventeenth ramp takes the first slot, and the first ramp, asked
    // again, the second.
    EXPECT_EQ(&cache.Ramp(MakeColour(99, 0, 0), kWhite, 8), slots[0]);
    EXPECT_EQ(&cache.Ramp(MakeColour(0, 0, 0), kWhite, 8), slots[1]);
    EXPECT_EQ(cache.Ramp(MakeColour(0, 0, 0), kWhite, 8), MakeRamp(MakeColour(0, 0, 0), kWhite, 8));
    EXPECT_EQ(&cache.Ramp(MakeColour(2, 0, 0), kWhite, 8), slots[2]);
}

TEST(Gradient, FillsLineByLineInsideTheClipBox) {
    const skintest::FixedLook look;
    GradientCache cache;
    const Pixel blank = MakePixel(1, 1, 1);
    Bitmap b(4, 6, blank);
    const Colour face = SystemColour(SystemColourIndex::ButtonFace);  // (31, 16, 16)
    FillVerticalGradient(b, {1, 1, 3, 5}, {0, 2, 4, 9}, face, MakeColour(61, 16, 16), cache, look);
    const std::vector<Pixel> ramp = MakeRamp(MakeColour(31, 16, 16), MakeColour(61, 16, 16), 4);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 4; ++x) {
            const bool filled = x >= 1 && x < 3 && y >= 2 && y < 5;
            EXPECT_EQ(b.At(x, y), filled ? ramp[y - 1] : blank) << x << "," << y;
        }
    }
}
