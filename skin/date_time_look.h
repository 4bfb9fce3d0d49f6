// Date-time pickers in the skin (TSkinDateTime): the control's border as an
// edit box wears it, and its drop-down button as an arrow button (the
// combo arrow on the button face). A picker with up-down buttons instead
// keeps them as the control draws them.
#pragma once

#include "pixels/bitmap.h"
#include "skin/geometry.h"
#include "skin/looks.h"
#include "skin/skin_definition.h"
#include "skin/system_look.h"

namespace skin {

using pixels::Bitmap;

struct DateTimeFacts {
    int rings = 2;         // BorderRings of the control
    bool dropDown = true;  // not the up-down style
    bool rightToLeft = false;
    Look look = Look::Normal;  // ComboBoxLook of the drop-down button
    int arrowWidth = 17;       // the system's horizontal scroll arrow width
};

// The drop-down button: a strip as wide as a scroll arrow inside the
// border at the right end (the left end right to left); empty without one.
Rect DateTimeButton(Rect place, const DateTimeFacts& facts);

// The border rings over `place`, and the drop-down button.
void PaintDateTimePicker(Bitmap& target, Rect place, const DateTimeFacts& facts,
                         const SkinDefinition& skin, const SystemLook& system);

}  // namespace skin
