// The picture a button shows beside its caption: the framework control's
// glyph (its states side by side) or an image of its image list.
#pragma once

#include "pixels/bitmap.h"
#include "skin/geometry.h"
#include "skin/looks.h"

namespace skin {

using pixels::Bitmap;
using pixels::kMagenta;
using pixels::Pixel;

struct ButtonGlyph {
    // The glyph's states side by side, or none. The window half keeps the
    // picture for as long as the facts that point at it.
    const Bitmap* picture = nullptr;
    // How many states it holds: up, disabled, down, held down.
    int count = 1;
    // Pixels of this colour let the face show: the glyph's bottom-left
    // pixel for a framework glyph, magenta for an image-list image drawn
    // onto magenta.
    Pixel transparent = kMagenta;
};

// One state of the glyph; 0 x 0 without a picture.
Size GlyphSize(const ButtonGlyph& glyph);

// The glyph's state for a button look: the down state while pressed, the
// disabled state while disabled, the up state otherwise.
int GlyphStateOf(Look look);

// Draws state `state` (from 1) with its top-left corner at (x, y). A state
// the glyph lacks shows its up state, drawn grey in the disabled state.
void DrawButtonGlyph(Bitmap& target, int x, int y, const ButtonGlyph& glyph, int state);

}  // namespace skin
