// Where a button's glyph and caption go, placed the way the framework's bit
// button places them.
#pragma once

#include "skin/geometry.h"

namespace skin {

// The glyph's side of the caption.
enum class GlyphLayout { Left, Right, Top, Bottom };

struct ButtonLayoutFacts {
    Size client;  // the button
    Size glyph;   // one glyph; 0 x 0 without one
    Size text;    // the caption's block; 0 x 0 without one
    GlyphLayout layout = GlyphLayout::Left;
    // From the button's edge to the glyph; -1 centres the glyph and caption
    // together.
    int margin = -1;
    // Between the glyph and the caption; -1 puts the caption in the middle
    // of the room the glyph leaves. With both -1 the free space is divided
    // into thirds: before, between and after.
    int spacing = 4;
    // Right-to-left reading: a glyph on the left goes to the right and back.
    bool rightToLeft = false;
};

struct ButtonContent {
    Rect glyph;  // in the button's coordinates
    Rect text;
};

// Glyph and caption lie side by side (Left, Right) or one above the other
// (Top, Bottom); across that line both are centred on the button. Without a
// glyph or without a caption the spacing counts as 0.
ButtonContent LayOutButton(const ButtonLayoutFacts& facts);

}  // namespace skin
