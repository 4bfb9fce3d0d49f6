// Combo boxes in the skin: the sunken field with the drop-down button.
#pragma once

#include <cstdint>

#include "pixels/bitmap.h"
#include "skin/geometry.h"
#include "skin/looks.h"
#include "skin/skin_definition.h"
#include "skin/system_look.h"

namespace skin {

using pixels::Bitmap;
using pixels::MakePixel;
using pixels::Pixel;

// Pressed, else focused or hot, else normal; disabled over all.
Look ComboBoxLook(bool pressed, bool focusedOrHot, bool enabled);

// A simple combo box (the low two style bits 1) shows its list under the
// edit field and has no button: its list gets a single skinned scroll bar
// instead. Any other combo box has the drop-down button the skin draws,
// and its edit part is followed for presses.
constexpr bool IsSimpleCombo(uint32_t style) {
    return (style & 0x3) == 0x1;
}

struct ComboBoxMetrics {
    int ArrowWidth = 17;   // the system's horizontal scroll arrow width
    int ThumbHeight = 17;  // the system's vertical thumb height
    // The brush the control's device context holds, for the Style 1 ring.
    Pixel Brush = MakePixel(255, 255, 255);
};

struct ComboBoxFacts {
    Look look = Look::Normal;  // ComboBoxLook
    // The extended style has WS_EX_LEFTSCROLLBAR: the button at the left.
    bool rightToLeft = false;
    // The system reports the box's button invisible (state bit 0x8000).
    bool buttonHidden = false;
    ComboBoxMetrics metrics;
};

// Draws the combo box over `place` (the whole control) by the ComboButton
// object's Style: 2, the composed picture (mirrored for a right-to-left
// box) over the whole; 1, a ring and a button strip; any other, the sunken
// edge around the edit field, which stays as it was, the button over a
// strip at the end and the arrow glyph centred on it. Nothing without a
// ComboButton picture or with the button hidden.
void PaintComboBox(Bitmap& target, Rect place, const ComboBoxFacts& facts,
                   const SkinDefinition& skin, const SystemLook& system);

}  // namespace skin
