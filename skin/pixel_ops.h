// Pixel work on whole bitmaps, for the skin loader and the renderers.
#pragma once

#include "pixels/bitmap.h"
#include "skin/geometry.h"

namespace skin {

using pixels::Bitmap;
using pixels::Pixel;

// Each pixel becomes the integer mean of its three components.
void Grey(Bitmap& bitmap);

// Each pure magenta pixel becomes `replacement`.
void ReplaceMagenta(Bitmap& bitmap, Pixel replacement);

// Left-right and top-bottom mirror images.
Bitmap Mirror(const Bitmap& bitmap);
Bitmap Flip(const Bitmap& bitmap);

// Quarter turns; width and height swap.
Bitmap RotateClockwise(const Bitmap& bitmap);
Bitmap RotateAnticlockwise(const Bitmap& bitmap);

// The part of the bitmap inside `area`, which is clipped to the bitmap.
Bitmap Crop(const Bitmap& bitmap, Rect area);

// Draws the `from` part of `source` unscaled with its top-left corner at
// (x, y) of `target`, clipped to both bitmaps; with `transparent`, magenta
// pixels leave the target as it was.
void DrawBitmap(Bitmap& target, int x, int y, const Bitmap& source, Rect from, bool transparent);

}  // namespace skin
