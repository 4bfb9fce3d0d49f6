// Up-down buttons in the skin (TSkinUpDown): two buttons, one above the
// other (UpDown.Vert) or side by side (UpDown.Horz, the horizontal style).
// The pictures hold eight slices: the first button (up, or left) in the
// looks normal, pressed, disabled and hot, then the second (down, or
// right) in the same four; the glyph picture holds the arrows in the same
// places.
#pragma once

#include "pixels/bitmap.h"
#include "skin/geometry.h"
#include "skin/skin_definition.h"
#include "skin/system_look.h"

namespace skin {

using pixels::Bitmap;

enum class UpDownHalf { None, First, Second };

struct UpDownFacts {
    bool horizontal = false;
    UpDownHalf pressed = UpDownHalf::None;
    UpDownHalf hot = UpDownHalf::None;
    bool enabled = true;
};

// The halves of `place`: the first takes the top (left) half, rounded down.
Rect UpDownHalfPlace(Rect place, bool horizontal, UpDownHalf half);

// The half under the point (x, y) of a control of the given size.
UpDownHalf UpDownHalfAt(Size control, bool horizontal, int x, int y);

// The button face over `place`, then each half: its slice nine-slice over
// the half (pressed, else hot, else normal; disabled over all) and the
// arrow from the glyph picture centred on it, magenta transparent. Without
// a glyph picture a small arrow in ButtonDkShadow (ButtonShadow when
// disabled) stands in. Only the face without the object for the control's
// orientation.
void PaintUpDown(Bitmap& target, Rect place, const UpDownFacts& facts, const SkinDefinition& skin,
                 const SystemLook& system);

}  // namespace skin
