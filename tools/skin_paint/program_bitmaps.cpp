#include "program_bitmaps.h"

#include <cmath>

#include "canvas.h"
#include "glyphs.h"

namespace paint {
namespace {

// Black where the shape covers at least half a pixel, white elsewhere: the
// glyphs stay two-coloured for the mask.
void Ink(pixels::Bitmap& out, const Shape& shape, int x0) {
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            if (shape(x + 0.5f, y + 0.5f) < 0)
                out.At(x0 + x, y) = pixels::MakePixel(0, 0, 0);
        }
    }
}

Canvas Channel(int w, int h) {
    Canvas c(w, h);
    const float fw = float(w), fh = float(h);
    c.Fill(Box({0, 0, fw, fh}), {212, 208, 200});
    c.Fill(Box({0, 0, fw, 1}), {128, 128, 128});
    c.Fill(Box({0, 0, 1, fh}), {128, 128, 128});
    c.Fill(Box({1, 1, fw - 1, 2}), {64, 64, 64});
    c.Fill(Box({1, 1, 2, fh - 1}), {64, 64, 64});
    c.Fill(Box({0, fh - 1, fw, fh}), {255, 255, 255});
    c.Fill(Box({fw - 1, 0, fw, fh}), {255, 255, 255});
    c.Fill(Box({2, 2, fw - 2, fh - 2}), {236, 234, 228});
    return c;
}

}  // namespace

pixels::Bitmap MenuGlyphs() {
    pixels::Bitmap out(64, 16, pixels::MakePixel(255, 255, 255));
    const Rect box{3, 3, 13, 13};
    Ink(out, RestoreSign(box, 1), 0);
    Ink(out, MaximiseSign(box, 1), 16);
    Ink(out, MinimiseSign(box, 1.4f), 32);
    Ink(out, CloseSign({4, 4, 12, 12}, 1.6f), 48);
    return out;
}

pixels::Bitmap Track() {
    return Channel(24, 8).ToBitmap();
}

pixels::Bitmap TrackVert() {
    return Channel(24, 8).Transposed().ToBitmap();
}

}  // namespace paint
