// The little signs a few controls draw in their caption colour: the
// drop-down arrow of a menu button and the media player's buttons.
#pragma once

#include "pixels/bitmap.h"
#include "skin/geometry.h"

namespace skin {

using pixels::Bitmap;
using pixels::Pixel;

enum class SmallGlyph { DropDown, Play, Pause, Stop, Next, Prev, Step, Back, Record, Eject };

Size SmallGlyphSize(SmallGlyph glyph);

// Draws the sign with its top-left corner at (x, y), clipped to the target.
void DrawSmallGlyph(Bitmap& target, int x, int y, SmallGlyph glyph, Pixel colour);

// Draws the sign centred in `box`.
void DrawSmallGlyphCentred(Bitmap& target, Rect box, SmallGlyph glyph, Pixel colour);

}  // namespace skin
