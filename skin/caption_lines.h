// Captions of one or more lines: a control's caption breaks into lines at
// every "||", and the lines are set one under the other, each centred or
// aligned within the block.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "pixels/bitmap.h"
#include "skin/colour.h"
#include "skin/geometry.h"
#include "skin/text_painter.h"

namespace skin {

using pixels::Bitmap;

// The caption's lines; an empty caption has none.
std::vector<std::string> CaptionLines(std::string_view caption);

// The block the lines take: as wide as the widest, as high as all together.
Size MeasureLines(const std::vector<std::string>& lines, const TextPainter& font);

// Each line into its own row of `block`, from the block's top, as high as
// the font measures it.
void DrawLines(Bitmap& target, Rect block, const std::vector<std::string>& lines, Colour colour,
               TextAlign align, TextPainter& font);

}  // namespace skin
