#include <gtest/gtest.h>

#include "skin_test_helpers.h"

#include <vector>

#include "skin/nine_slice.h"
#include "skin/skin_object_drawing.h"

using namespace skin;
using skintest::Numbered;

namespace {

// Checks that target pixel (x, y) shows source pixel (xs[x], ys[y]).
void ExpectMapped(const Bitmap& target, const std::vector<int>& xs, const std::vector<int>& ys) {
    ASSERT_EQ(target.Width(), static_cast<int>(xs.size()));
    ASSERT_EQ(target.Height(), static_cast<int>(ys.size()));
    for (int y = 0; y < target.Height(); ++y) {
        for (int x = 0; x < target.Width(); ++x)
            EXPECT_EQ(target.At(x, y), MakePixel(xs[x], ys[y], 7)) << "at " << x << "," << y;
    }
}

Bitmap Draw(const Bitmap& source, Rect from, int w, int h, Margins m, NineSliceStyle style) {
    Bitmap target(w, h);
    DrawNineSlice(target, {0, 0, w, h}, source, from, m, style);
    return target;
}

const NineSliceStyle kStretch{Scaling::Stretch, Scaling::Stretch, false};
const NineSliceStyle kTile{Scaling::Tile, Scaling::Tile, false};

}  // namespace

TEST(NineSlice, StretchedCornersKeepTheirSize) {
    // A 3-pixel middle shown over 5: centres at 0.3, 0.9, 1.5, 2.1, 2.7.
    ExpectMapped(Draw(Numbered(5, 5), {0, 0, 5, 5}, 7, 7, {1, 1, 1, 1}, kStretch),
                 {0, 1, 1, 2, 3, 3, 4}, {0, 1, 1, 2, 3, 3, 4});
}

TEST(NineSlice, TiledPartsRepeatFromTheirTopLeft) {
    ExpectMapped(Draw(Numbered(5, 5), {0, 0, 5, 5}, 7, 7, {1, 1, 1, 1}, kTile),
                 {0, 1, 2, 3, 1, 2, 4}, {0, 1, 2, 3, 1, 2, 4});
}

TEST(NineSlice, EdgesAndMiddleCanScaleDifferently) {
    const NineSliceStyle border{Scaling::Stretch, Scaling::Tile, false};
    const Bitmap t = Draw(Numbered(5, 5), {0, 0, 5, 5}, 7, 7, {1, 1, 1, 1}, border);
    const std::vector<int> stretched = {0, 1, 1, 2, 3, 3, 4}, tiled = {0, 1, 2, 3, 1, 2, 4};
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 7; ++x) {
            const bool middle = x >= 1 && x <= 5 && y >= 1 && y <= 5;
            const std::vector<int>& map = middle ? tiled : stretched;
            EXPECT_EQ(t.At(x, y), MakePixel(map[x], map[y], 7)) << x << "," << y;
        }
    }
}

TEST(NineSlice, EachMarginCutsItsOwnSideOfTheChosenState) {
    // Two states side by side, 6 wide each; the second starts at x = 6.
    // Left 2, right 1: a middle of 3 (x 8..10) over 5. Top 1, bottom 2: a
    // middle of 2 (y 1..2) over 1, whose centre falls on y 2.
    const Bitmap source = Numbered(12, 5);
    const Rect second = SliceRect(source, 2, 2, SliceLayout::SideBySide);
    EXPECT_EQ(second, (Rect{6, 0, 12, 5}));
    ExpectMapped(Draw(source, second, 8, 4, {2, 1, 1, 2}, kStretch), {6, 7, 8, 8, 9, 10, 10, 11},
                 {0, 2, 3, 4});
}

TEST(NineSlice, ATargetSmallerThanTheMarginsDropsThem) {
    // Margins 2 + 2 do not fit into 3 pixels: the whole state is stretched.
    ExpectMapped(Draw(Numbered(5, 5), {0, 0, 5, 5}, 3, 3, {2, 2, 2, 2}, kStretch), {0, 2, 4},
                 {0, 2, 4});
    // Only the direction that is too small loses its margins.
    ExpectMapped(Draw(Numbered(5, 5), {0, 0, 5, 5}, 5, 3, {2, 2, 2, 2}, kStretch), {0, 1, 2, 3, 4},
                 {0, 2, 4});
}

TEST(NineSlice, MarginsWiderThanThePictureAreKeptInsideIt) {
    // A left margin of 9 on a 4-wide picture takes all of it: no right
    // corner, no middle to stretch, so the rest of the target stays as it was.
    Bitmap target(6, 1, MakePixel(9, 9, 9));
    DrawNineSlice(target, {0, 0, 6, 1}, Numbered(4, 1), {0, 0, 4, 1}, {9, 0, 3, 0}, kStretch);
    EXPECT_EQ(target.At(0, 0), MakePixel(0, 0, 7));
    EXPECT_EQ(target.At(3, 0), MakePixel(3, 0, 7));
    EXPECT_EQ(target.At(4, 0), MakePixel(9, 9, 9));
    // Negative margins count as 0.
    ExpectMapped(Draw(Numbered(2, 1), {0, 0, 2, 1}, 4, 1, {-5, 0, -5, 0}, kStretch), {0, 0, 1, 1},
                 {0});
}

TEST(NineSlice, MagentaIsTransparentOnlyWhenAsked) {
    Bitmap source = Numbered(3, 3);
    source.At(0, 0) = pixels::kMagenta;
    source.At(1, 1) = pixels::kMagenta;
    const Pixel under = MakePixel(50, 50, 50);
    Bitmap target(4, 4, under);
    DrawNineSlice(target, {0, 0, 4, 4}, source, {0, 0, 3, 3}, {1, 1, 1, 1},
                  {Scaling::Stretch, Scaling::Stretch, true});
    EXPECT_EQ(target.At(0, 0), under);
    EXPECT_EQ(target.At(1, 1), under);
    EXPECT_EQ(target.At(2, 2), under);
    EXPECT_EQ(target.At(1, 0), source.At(1, 0));
    EXPECT_EQ(target.At(3, 3), source.At(2, 2));
    Bitmap opaque(4, 4, under);
    DrawNineSlice(opaque, {0, 0, 4, 4}, source, {0, 0, 3, 3}, {1, 1, 1, 1}, kStretch);
    EXPECT_EQ(opaque.At(0, 0), pixels::kMagenta);
}

TEST(NineSlice, DrawsIntoARectangleClippedToTheTarget) {
    Bitmap target(4, 3, MakePixel(9, 9, 9));
    // The 7 x 7 stretch of the first test, placed at (-2, -3).
    DrawNineSlice(target, {-2, -3, 5, 4}, Numbered(5, 5), {0, 0, 5, 5}, {1, 1, 1, 1}, kStretch);
    const std::vector<int> map = {0, 1, 1, 2, 3, 3, 4};
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            const Pixel expected =
                x + 2 < 7 ? MakePixel(map[x + 2], map[y + 3], 7) : MakePixel(9, 9, 9);
            EXPECT_EQ(target.At(x, y), expected) << x << "," << y;
        }
    }
    // Entirely outside, empty or from an empty picture: nothing happens.
    const Bitmap before = target;
    DrawNineSlice(target, {10, 0, 20, 3}, Numbered(5, 5), {0, 0, 5, 5}, {}, kStretch);
    DrawNineSlice(target, {2, 2, 2, 3}, Numbered(5, 5), {0, 0, 5, 5}, {}, kStretch);
    DrawNineSlice(target, {0, 0, 4, 3}, Bitmap(), {0, 0, 5, 5}, {}, kStretch);
    EXPECT_EQ(target, before);
}

TEST(NineSlice, StatesAreFoundSideBySideOrStacked) {
    const Bitmap image(20, 12);
    EXPECT_EQ(SliceRect(image, 4, 3, SliceLayout::SideBySide), (Rect{10, 0, 15, 12}));
    EXPECT_EQ(SliceRect(image, 3, 2, SliceLayout::Stacked), (Rect{0, 4, 20, 8}));
    // Out-of-range states and frame counts stay within the picture.
    EXPECT_EQ(SliceRect(image, 4, 9, SliceLayout::SideBySide), (Rect{15, 0, 20, 12}));
    EXPECT_EQ(SliceRect(image, 4, 0, SliceLayout::SideBySide), (Rect{0, 0, 5, 12}));
    EXPECT_EQ(SliceRect(image, 0, 1, SliceLayout::Stacked), (Rect{0, 0, 20, 12}));
    EXPECT_EQ(SliceRect(image, -3, 2, SliceLayout::SideBySide), (Rect{0, 0, 20, 12}));
}

TEST(SkinObjectDrawing, BordersTileTheirMiddleUnlessStretchedAndShowTheInactiveState) {
    // Two states stacked, each 5 x 3; left and right margins of 1.
    TSkinBorderObject top;
    top.Image = Numbered(5, 6);
    top.Frame = 2;
    top.LeftWidth = top.RightWidth = 1;
    top.Trans = 1;
    top.Image.At(0, 3) = pixels::kMagenta;
    Bitmap target(7, 3);
    top.Tile = 0;
    DrawBorderPart(target, {0, 0, 7, 3}, top, SliceLayout::Stacked, false);
    // Opaque: the border's magenta stays for the window outline.
    EXPECT_EQ(target.At(0, 0), pixels::kMagenta);
    target.At(0, 0) = MakePixel(0, 3, 7);
    ExpectMapped(target, {0, 1, 2, 3, 1, 2, 4}, {3, 4, 5});
    top.Tile = 1;
    DrawBorderPart(target, {0, 0, 7, 3}, top, SliceLayout::Stacked, true);
    ExpectMapped(target, {0, 1, 1, 2, 3, 3, 4}, {0, 1, 2});
    // A border of one state shows it whether the window is active or not.
    top.Frame = 1;
    top.Image = Numbered(5, 3);
    DrawBorderPart(target, {0, 0, 7, 3}, top, SliceLayout::Stacked, false);
    ExpectMapped(target, {0, 1, 1, 2, 3, 3, 4}, {0, 1, 2});
}

TEST(SkinObjectDrawing, ObjectsTileWhenTileIsOneAndHonourTrans) {
    TSkinObject o;
    o.Image = Numbered(10, 3);  // two states side by side, 5 x 3 each
    o.Frame = 2;
    o.LeftWidth = o.RightWidth = 1;
    o.Tile = 1;
    Bitmap target(7, 3);
    DrawObjectState(target, {0, 0, 7, 3}, o, 2);
    ExpectMapped(target, {5, 6, 7, 8, 6, 7, 9}, {0, 1, 2});
    o.Tile = 0;
    o.Trans = 1;
    o.Image.At(5, 0) = pixels::kMagenta;
    target.At(0, 0) = MakePixel(1, 2, 3);
    DrawObjectState(target, {0, 0, 7, 3}, o, 2);
    EXPECT_EQ(target.At(0, 0), MakePixel(1, 2, 3));
    EXPECT_EQ(target.At(2, 0), MakePixel(6, 0, 7));
}
