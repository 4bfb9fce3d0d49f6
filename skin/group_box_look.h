// Group boxes in the skin: a rounded line in the button shadow colour with
// the caption over it.
#pragma once

#include <string_view>

#include "pixels/bitmap.h"
#include "skin/geometry.h"
#include "skin/skin_definition.h"
#include "skin/system_look.h"
#include "skin/text_painter.h"

namespace skin {

using pixels::Bitmap;

// Over `place` (the whole box): a one-pixel rounded rectangle in
// ButtonShadow from (1, a) to the bottom-right corner less one, a being half
// the height of the text "0"; the caption at x = 8 from the top, on the
// button face, covering the line behind it.
void PaintGroupBox(Bitmap& target, Rect place, const SkinDefinition& skin, std::string_view caption,
                   Colour textColour, TextPainter& font, const SystemLook& look);

}  // namespace skin
