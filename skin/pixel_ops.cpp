#include "skin/pixel_ops.h"

#include <algorithm>
#include <cstdint>

namespace skin {

using pixels::Blue;
using pixels::Green;
using pixels::kMagenta;
using pixels::MakePixel;

using pixels::Red;

void Grey(Bitmap& bitmap) {
    for (int y = 0; y < bitmap.Height(); ++y) {
        Pixel* row = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x) {
            const auto mean =
                static_cast<uint8_t>((Red(row[x]) + Green(row[x]) + Blue(row[x])) / 3);
            row[x] = MakePixel(mean, mean, mean);
        }
    }
}

void ReplaceMagenta(Bitmap& bitmap, Pixel replacement) {
    for (int y = 0; y < bitmap.Height(); ++y) {
        Pixel* row = bitmap.Row(y);
        std::replace(row, row + bitmap.Width(), kMagenta, replacement);
    }
}

Bitmap Mirror(const Bitmap& bitmap) {
    Bitmap out = bitmap;
    for (int y = 0; y < out.Height(); ++y)
        std::reverse(out.Row(y), out.Row(y) + out.Width());
    return out;
}

Bitmap Flip(const Bitmap& bitmap) {
    Bitmap out(bitmap.Width(), bitmap.Height());
    for (int y = 0; y < bitmap.Height(); ++y)
        std::copy_n(bitmap.Row(y), bitmap.Width(), out.Row(bitmap.Height() - 1 - y));
    return out;
}

Bitmap RotateClockwise(const Bitmap& bitmap) {
    const int w = bitmap.Width(), h = bitmap.Height();
    Bitmap out(h, w);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            out.At(h - 1 - y, x) = bitmap.At(x, y);
    }
    return out;
}

Bitmap RotateAnticlockwise(const Bitmap& bitmap) {
    const int w = bitmap.Width(), h = bitmap.Height();
    Bitmap out(h, w);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            out.At(y, w - 1 - x) = bitmap.At(x, y);
    }
    return out;
}

Bitmap Crop(const Bitmap& bitmap, Rect area) {
    area.left = std::max(area.left, 0);
    area.top = std::max(area.top, 0);
    area.right = std::min(area.right, bitmap.Width());
    area.bottom = std::min(area.bottom, bitmap.Height());
    if (area.Empty())
        return Bitmap();
    Bitmap out(area.Width(), area.Height());
    DrawBitmap(out, 0, 0, bitmap, area, false);
    return out;
}

void DrawBitmap(Bitmap& target, int x, int y, const Bitmap& source, Rect from, bool transparent) {
    // Clip the source part to the source, then to where it lands in the
    // target; in 64 bits, so that no offset can overflow.
    const int64_t dx = int64_t{x} - from.left, dy = int64_t{y} - from.top;
    const int64_t left = std::max<int64_t>({from.left, 0, -dx});
    const int64_t top = std::max<int64_t>({from.top, 0, -dy});
    const int64_t right = std::min<int64_t>({from.right, source.Width(), target.Width() - dx});
    const int64_t bottom = std::min<int64_t>({from.bottom, source.Height(), target.Height() - dy});
    for (int64_t sy = top; sy < bottom; ++sy) {
        const Pixel* in = source.Row(static_cast<int>(sy));
        Pixel* out = target.Row(static_cast<int>(sy + dy));
        for (int64_t sx = left; sx < right; ++sx) {
            if (!transparent || in[sx] != kMagenta)
                out[sx + dx] = in[sx];
        }
    }
}

}  // namespace skin
