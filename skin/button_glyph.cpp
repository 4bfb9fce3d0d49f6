#include "skin/button_glyph.h"

#include "skin/nine_slice.h"

namespace skin {

using pixels::Blue;
using pixels::Green;
using pixels::MakePixel;
using pixels::Red;

namespace {

constexpr int kDisabledState = 2;
constexpr int kDownState = 3;

Pixel Greyed(Pixel p) {
    const auto mean = static_cast<uint8_t>((Red(p) + Green(p) + Blue(p)) / 3);
    return MakePixel(mean, mean, mean);
}

}  // namespace

Size GlyphSize(const ButtonGlyph& glyph) {
    if (!glyph.picture || glyph.picture->Empty())
        return {};
    const Rect slice = SliceRect(*glyph.picture, glyph.count, 1, SliceLayout::SideBySide);
    return {slice.Width(), slice.Height()};
}

int GlyphStateOf(Look look) {
    if (look == Look::Pressed)
        return kDownState;
    if (look == Look::Disabled)
        return kDisabledState;
    return 1;
}

void DrawButtonGlyph(Bitmap& target, int x, int y, const ButtonGlyph& glyph, int state) {
    if (!glyph.picture || glyph.picture->Empty())
        return;
    const Bitmap& picture = *glyph.picture;
    // A state the glyph lacks shows the up state, grey when disabled.
    const bool grey = state == kDisabledState && glyph.count < kDisabledState;
    const int slice = state <= glyph.count ? state : 1;
    const Rect from = SliceRect(picture, glyph.count, slice, SliceLayout::SideBySide);
    for (int sy = from.top; sy < from.bottom; ++sy) {
        const int ty = y + sy - from.top;
        if (ty < 0 || ty >= target.Height())
            continue;
        for (int sx = from.left; sx < from.right; ++sx) {
            const int tx = x + sx - from.left;
            const Pixel p = picture.At(sx, sy);
            if (tx < 0 || tx >= target.Width() || p == glyph.transparent)
                continue;
            target.At(tx, ty) = grey ? Greyed(p) : p;
        }
    }
}

}  // namespace skin
