// The size grip a status bar or a size box shows in its bottom-right
// corner: the ExtraImages picture's grip slice.
#pragma once

#include "pixels/bitmap.h"
#include "skin/geometry.h"
#include "skin/skin_definition.h"

namespace skin {

using pixels::Bitmap;

// Draws the grip slice unscaled, magenta transparent, with its
// bottom-right corner 1 pixel inside `place`'s; nothing without an
// ExtraImages picture.
void DrawSizeGrip(Bitmap& target, Rect place, const SkinDefinition& skin);

}  // namespace skin
