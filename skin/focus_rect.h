// The dotted focus rectangle the system draws around a focused control's
// caption.
#pragma once

#include "pixels/bitmap.h"
#include "skin/geometry.h"
#include "skin/text_painter.h"

namespace skin {

using pixels::Bitmap;

// Inverts every other pixel of the one-pixel ring along the inside of `r`,
// clipped to `clip` and to the target: the pixels whose x + y is even, so
// that two rectangles side by side dot alike.
void DrawFocusRect(Bitmap& target, Rect r, Rect clip);

// The focus rectangle around a caption `text` large, set in `box` as `align`
// sets it and vertically centred: 2 pixels wider and 1 higher on each side
// than the caption (kept to the box's width), clipped to `clip`.
void DrawCaptionFocusRect(Bitmap& target, Rect box, Size text, TextAlign align, Rect clip);

}  // namespace skin
