// libFuzzer target: BMP files of any bytes, and the pixel work the skin code
// does on what they give.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "skin/bmp_file.h"
#include "skin/nine_slice.h"
#include "skin/pixel_ops.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<pixels::Bitmap> bitmap = skin::ReadBmp(data, size);
    if (!bitmap)
        return 0;
    // Keep the work per input small: the reader allows large pictures.
    if (static_cast<int64_t>(bitmap->Width()) * bitmap->Height() > 1 << 16)
        return 0;
    // What was read is written and read back unchanged.
    if (skin::ReadBmp(skin::WriteBmp(*bitmap)) != bitmap)
        __builtin_trap();
    pixels::Bitmap turned = skin::RotateClockwise(skin::Mirror(*bitmap));
    skin::Grey(turned);
    pixels::Bitmap target(37, 23);
    const int w = bitmap->Width(), h = bitmap->Height();
    skin::DrawNineSlice(target, {-3, -2, 40, 30}, *bitmap, {0, 0, w, h},
                        {w / 3, h / 3, w / 4, h / 4},
                        {skin::Scaling::Tile, skin::Scaling::Stretch, true});
    return 0;
}
