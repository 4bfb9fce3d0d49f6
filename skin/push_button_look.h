// Push buttons in the skin: the look a button's state picks, and its face.
#pragma once

#include "pixels/bitmap.h"
#include "skin/geometry.h"
#include "skin/looks.h"
#include "skin/skin_definition.h"
#include "skin/system_look.h"

namespace skin {

using pixels::Bitmap;
using pixels::Pixel;

struct ButtonState {
    bool Pressed = false;
    bool Hot = false;
    bool Focused = false;
    bool Enabled = true;
};

// Pressed, else hot, else focused, else normal; disabled over all.
Look PushButtonLook(const ButtonState& s);

// Fills the button's place with `background` (the button face, or the
// parent's background for a button drawn over it), then draws slice `look`
// of the Buttons picture over it. Nothing but the fill without a picture.
void PaintPushButton(Bitmap& target, Rect place, const SkinDefinition& skin, Look look,
                     Pixel background);

// The caption's colour: the font's, replaced by the skin's colour for the
// normal, hot and pressed looks when the skin gives one; the system's
// button shadow for a disabled button.
Colour PushButtonTextColour(const SkinDefinition& skin, Look look, Colour fontColour,
                            const SystemLook& look3d);

}  // namespace skin
