// Check boxes and radio buttons in the skin (TSkinCheckBox,
// TSkinRadioButton, and TSkinObjImage for other libraries' check and radio
// controls): the box from the Buttons object's check-box or radio-button
// picture, the caption beside it, the focus rectangle around the caption.
#pragma once

#include <string>

#include "pixels/bitmap.h"
#include "skin/looks.h"
#include "skin/push_button_look.h"
#include "skin/skin_definition.h"
#include "skin/system_look.h"
#include "skin/text_painter.h"

namespace skin {

using pixels::Bitmap;

// The box's size in the skin: one slice of its picture; 0 x 0 without one.
Size CheckBoxSize(const SkinDefinition& skin, bool radio);

// Draws the box unscaled with its top-left corner at (x, y), magenta
// transparent: the look's slice, of the checked half when checked.
void PaintCheckBox(Bitmap& target, int x, int y, const SkinDefinition& skin, bool radio, Look look,
                   bool checked);

// TSkinObjImage's styles: 1 and 3 are check boxes, 2 a radio button.
constexpr bool ObjImageIsRadio(int style) {
    return style == 2;
}

enum class CheckMark { Unchecked, Checked, Indeterminate };

struct ToggleFacts {
    bool radio = false;
    CheckMark mark = CheckMark::Unchecked;
    ButtonState state;  // the focus goes to the focus rectangle, not the box
    std::string caption;
    // The box at the right and the caption right-aligned before it (a
    // right-to-left control, or the left-text style).
    bool boxRight = false;
    Colour fontColour = 0;
    bool focusRect = true;  // the skin data's Options lack xoNoFocusRect
};

// The room between the box and the caption.
constexpr int kToggleGap = 4;

// Composes the control over `place`: the button face, the box vertically
// centred at the left (or right) end, the caption beside it, vertically
// centred, in the font colour (the system's button shadow when disabled),
// and, when focused, the focus rectangle around the caption, 2 pixels wider
// and 1 higher on each side and kept within the control. An indeterminate
// mark shows the checked box in its disabled look.
void PaintToggleButton(Bitmap& target, Rect place, const ToggleFacts& facts,
                       const SkinDefinition& skin, TextPainter& font, const SystemLook& system);

}  // namespace skin
