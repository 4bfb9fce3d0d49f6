// Tool bars in the skin: the faces of the tool buttons, which the frame
// object draws from the tool bar's custom draw before the bar draws each
// button's image and caption over them, and the bar's gradient background.
#pragma once

#include <optional>

#include "pixels/bitmap.h"
#include "skin/geometry.h"
#include "skin/looks.h"
#include "skin/skin_definition.h"

namespace skin {

using pixels::Bitmap;

// A tool button's state as the custom draw reports it.
struct ToolButtonState {
    bool selected = false;  // pressed
    bool checked = false;
    bool hot = false;
    bool focused = false;
    bool greyed = false;
    bool disabled = false;
};

// The button's look: pressed for a selected (or checked) button, hot for a
// hot or focused one, normal otherwise; none (the bar draws the button its
// own way) for a greyed or disabled button, and in a skin without a
// Buttons picture.
std::optional<Look> ToolButtonLook(const ToolButtonState& state, const SkinDefinition& skin);

// Slice "look" of the Buttons picture nine-slice into the button's
// rectangle inset by 1, with the Buttons margins, magenta transparent unless
// its Trans is 0, stretched. The caption's colour is PushButtonTextColour's
// for the look.
void PaintToolButton(Bitmap& target, Rect button, Look look, const SkinDefinition& skin);

// Whether the bar gets the gradient: the skin has the toolbar gradient and
// the skin data's Options lack xoToolbarBK.
bool ToolBarGetsGradient(const SkinDefinition& skin, bool toolbarBackgroundOption);

// Stretches the 10 x 40 gradient picture over `place`, nearest pixel.
void PaintToolBarBackground(Bitmap& target, Rect place, const SkinDefinition& skin);

}  // namespace skin
