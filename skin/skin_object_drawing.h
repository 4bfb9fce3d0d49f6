// Drawing one state of a skin object, the way the renderers use them.
#pragma once

#include "pixels/bitmap.h"
#include "skin/geometry.h"
#include "skin/nine_slice.h"
#include "skin/skin_objects.h"

namespace skin {

using pixels::Bitmap;

// Draws state `state` (from 1) of the object's picture, whose Frame states
// lie side by side, nine-slice into `to` with the object's margins: edges and
// middle tiled when Tile is 1, stretched otherwise; magenta transparent when
// Trans is nonzero.
void DrawObjectState(Bitmap& target, Rect to, const TSkinObject& object, int state);

// Draws a frame border into `to`: the inactive look (state 2) when the window
// is inactive and the border has more than one state, else state 1. The
// states of the side borders lie side by side, those of the top and bottom
// borders one above the other. Edges are stretched, the middle stretched when
// the border's Stretch value (its Tile slot) is 1 and tiled otherwise; the
// picture is copied opaquely, magenta included, for the window outline.
void DrawBorderPart(Bitmap& target, Rect to, const TSkinBorderObject& border, SliceLayout layout,
                    bool active);

}  // namespace skin
