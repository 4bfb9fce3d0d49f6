// Text for the composed pictures. Fonts belong to the system, so the window
// layer supplies a painter for each font it uses (caption, menu, control);
// the composition code only says where a line goes.
#pragma once

#include <string_view>

#include "pixels/bitmap.h"
#include "skin/colour.h"
#include "skin/geometry.h"

namespace skin {

using pixels::Bitmap;

enum class TextAlign { Left, Centre, Right };

class TextPainter {
  public:
    virtual ~TextPainter() = default;

    // The size of one line of UTF-8 text.
    virtual Size Measure(std::string_view text) const = 0;
    // Draws one line into `box` of `target` on a transparent background,
    // vertically centred, aligned as asked and clipped to the box.
    virtual void Draw(Bitmap& target, Rect box, std::string_view text, Colour colour,
                      TextAlign align) = 0;
};

}  // namespace skin
