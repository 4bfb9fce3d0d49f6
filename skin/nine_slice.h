// Nine-slice drawing: one state of a skin picture cut by four margins into
// corners, which keep their size, and edges and a middle, which are stretched
// or tiled to fill the target.
#pragma once

#include "pixels/bitmap.h"
#include "skin/geometry.h"

namespace skin {

using pixels::Bitmap;

enum class Scaling { Stretch, Tile };

struct NineSliceStyle {
    Scaling edges = Scaling::Stretch;
    Scaling middle = Scaling::Stretch;
    // Magenta pixels of the picture leave the target as it was.
    bool transparent = false;
};

// How the states of a picture lie in it.
enum class SliceLayout { SideBySide, Stacked };

// The part of `image` that holds state `state` (from 1) of `frames` equal
// states. A frame count below 1 counts as 1, and the state is kept to the
// states there are, so the part always lies inside the image.
Rect SliceRect(const Bitmap& image, int frames, int state, SliceLayout layout);

// Draws the `from` part of `source` into the `to` rectangle of `target`,
// clipped to the target. Margins are kept within the part; when the target is
// narrower than the left and right margins together both count as 0, and
// likewise for the top and bottom margins. Stretching picks the nearest
// source pixel for the centre of each target pixel; tiling repeats the part
// from the top-left corner of its place.
void DrawNineSlice(Bitmap& target, Rect to, const Bitmap& source, Rect from, Margins margins,
                   const NineSliceStyle& style);

}  // namespace skin
