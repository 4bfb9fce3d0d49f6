// Solid fills of rectangles, clipped to the bitmap.
#pragma once

#include "pixels/bitmap.h"
#include "skin/geometry.h"

namespace skin {

using pixels::Bitmap;
using pixels::Pixel;

void FillRect(Bitmap& target, Rect r, Pixel colour);
// The one-pixel ring along the inside of r.
void FrameRect(Bitmap& target, Rect r, Pixel colour);

}  // namespace skin
