// TArrowButton, the small button with the combo box's arrow: the loader's
// combo arrow picture (ComboxArrow) centred on the button face, turned to
// point the way the button scrolls.
#pragma once

#include "pixels/bitmap.h"
#include "skin/geometry.h"
#include "skin/looks.h"
#include "skin/skin_definition.h"
#include "skin/system_look.h"

namespace skin {

using pixels::Bitmap;

enum class ArrowDirection { Down, Up, Left, Right };

// Fills `place` with ButtonFace and draws slice "look" of the combo arrow
// picture unscaled in its middle, magenta transparent; the picture points
// down and is turned for the other directions. Only the face without a
// combo arrow picture.
void PaintArrowButton(Bitmap& target, Rect place, ArrowDirection direction, Look look,
                      const SkinDefinition& skin, const SystemLook& system);

}  // namespace skin
