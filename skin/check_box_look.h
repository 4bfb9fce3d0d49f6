// Check boxes and radio buttons in the skin: the box beside the caption.
#pragma once

#include "pixels/bitmap.h"
#include "skin/looks.h"
#include "skin/skin_definition.h"

namespace skin {

using pixels::Bitmap;

// The box's size in the skin: one slice of its picture; 0 x 0 without one.
Size CheckBoxSize(const SkinDefinition& skin, bool radio);

// Draws the box unscaled with its top-left corner at (x, y), magenta
// transparent: the look's slice, of the checked half when checked.
void PaintCheckBox(Bitmap& target, int x, int y, const SkinDefinition& skin, bool radio, Look look,
                   bool checked);

}  // namespace skin
