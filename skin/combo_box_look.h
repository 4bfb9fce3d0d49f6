// Combo boxes in the skin: the sunken field with the drop-down button.
#pragma once

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

struct ComboBoxMetrics {
    int ArrowWidth = 17;   // the system's horizontal scroll arrow width
    int ThumbHeight = 17;  // the system's vertical thumb height
    // The brush the control's device context holds, for the Style 1 ring.
    Pixel Brush = MakePixel(255, 255, 255);
};

// Draws the combo box over `place` (the whole control) in `look`, by the
// ComboButton object's Style: 2, the composed picture (mirrored for a
// right-to-left box) over the whole; 1, a ring and a button strip; any
// other, the sunken edge around the edit field, which stays as it was, the
// button over a strip at the end and the arrow glyph centred on it. Nothing
// without a ComboButton picture.
void PaintComboBox(Bitmap& target, Rect place, const SkinDefinition& skin, Look look,
                   bool rightToLeft, const ComboBoxMetrics& metrics, const SystemLook& system);

}  // namespace skin
