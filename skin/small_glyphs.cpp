#include "skin/small_glyphs.h"

#include <array>
#include <string_view>

namespace skin {
namespace {

using Rows = std::array<std::string_view, 9>;

// Each sign as rows of 'x' (ink) and '.'; the drop-down arrow uses only
// its first four rows.
Rows RowsOf(SmallGlyph glyph) {
    switch (glyph) {
        case SmallGlyph::DropDown:
            return {"xxxxxxx", ".xxxxx.", "..xxx..", "...x..."};
        case SmallGlyph::Play:
            return {"xx.......", "xxxx.....", "xxxxxx...", "xxxxxxxx.", "xxxxxxxxx",
                    "xxxxxxxx.", "xxxxxx...", "xxxx.....", "xx......."};
        case SmallGlyph::Pause:
            return {"xxx...xxx", "xxx...xxx", "xxx...xxx", "xxx...xxx", "xxx...xxx",
                    "xxx...xxx", "xxx...xxx", "xxx...xxx", "xxx...xxx"};
        case SmallGlyph::Stop:
            return {"xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx",
                    "xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx"};
        case SmallGlyph::Next:
            return {"x...x..xx", "xx..xx.xx", "xxx.xxxxx", "xxxxxxxxx", "xxxxxxxxx",
                    "xxxxxxxxx", "xxx.xxxxx", "xx..xx.xx", "x...x..xx"};
        case SmallGlyph::Prev:
            return {"xx..x...x", "xx.xx..xx", "xxxxx.xxx", "xxxxxxxxx", "xxxxxxxxx",
                    "xxxxxxxxx", "xxxxx.xxx", "xx.xx..xx", "xx..x...x"};
        case SmallGlyph::Step:
            return {"xx.x.....", "xx.xx....", "xx.xxx...", "xx.xxxx..", "xx.xxxxx.",
                    "xx.xxxx..", "xx.xxx...", "xx.xx....", "xx.x....."};
        case SmallGlyph::Back:
            return {".....x.xx", "....xx.xx", "...xxx.xx", "..xxxx.xx", ".xxxxx.xx",
                    "..xxxx.xx", "...xxx.xx", "....xx.xx", ".....x.xx"};
        case SmallGlyph::Record:
            return {"...xxx...", ".xxxxxxx.", ".xxxxxxx.", "xxxxxxxxx", "xxxxxxxxx",
                    "xxxxxxxxx", ".xxxxxxx.", ".xxxxxxx.", "...xxx..."};
        case SmallGlyph::Eject:
            return {"....x....", "...xxx...", "..xxxxx..", ".xxxxxxx.", "xxxxxxxxx",
                    ".........", "xxxxxxxxx", "xxxxxxxxx", "........."};
    }
    return {};
}

}  // namespace

Size SmallGlyphSize(SmallGlyph glyph) {
    const Rows rows = RowsOf(glyph);
    int height = 0;
    while (height < static_cast<int>(rows.size()) && !rows[height].empty())
        ++height;
    return {static_cast<int>(rows[0].size()), height};
}

void DrawSmallGlyph(Bitmap& target, int x, int y, SmallGlyph glyph, Pixel colour) {
    const Rows rows = RowsOf(glyph);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        for (int col = 0; col < static_cast<int>(rows[row].size()); ++col) {
            const int tx = x + col, ty = y + row;
            if (rows[row][col] == 'x' && tx >= 0 && ty >= 0 && tx < target.Width() &&
                ty < target.Height())
                target.At(tx, ty) = colour;
        }
    }
}

void DrawSmallGlyphCentred(Bitmap& target, Rect box, SmallGlyph glyph, Pixel colour) {
    const Size size = SmallGlyphSize(glyph);
    DrawSmallGlyph(target, box.left + (box.Width() - size.width) / 2,
                   box.top + (box.Height() - size.height) / 2, glyph, colour);
}

}  // namespace skin
