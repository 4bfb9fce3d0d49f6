// Push buttons in the skin (TSkinButton, TSkinBitButton, TSkinSpeedButton,
// TSkinMenuButton): the look a button's state picks, and the whole button
// composed off-screen: background, face, glyph, caption and focus
// rectangle.
#pragma once

#include <string>
#include <string_view>

#include "pixels/bitmap.h"
#include "skin/button_glyph.h"
#include "skin/button_layout.h"
#include "skin/geometry.h"
#include "skin/looks.h"
#include "skin/skin_definition.h"
#include "skin/system_look.h"
#include "skin/text_painter.h"

namespace skin {

using pixels::Bitmap;

struct ButtonState {
    bool Pressed = false;
    bool Hot = false;
    bool Focused = false;
    bool Enabled = true;
};

// Pressed, else hot, else focused, else normal; disabled over all.
Look PushButtonLook(const ButtonState& s);

// The caption's colour: the font's, replaced by the skin's colour for the
// normal, hot and pressed looks when the skin gives one; the system's
// button shadow for a disabled button.
Colour PushButtonTextColour(const SkinDefinition& skin, Look look, Colour fontColour,
                            const SystemLook& system);

struct ButtonBackgroundFacts {
    int tag = 0;
    // The skin data's Options hold xoTransparent.
    bool transparentOption = false;
    std::string_view className;
    // The parent's colour, or kNoColour when the parent has none.
    Colour parentColour = kNoColour;
};

// What the button is painted over: the parent's colour for a button with
// Tag 5555, under xoTransparent, or of a class whose name begins with "trz"
// or "tel" (in any case), when the parent has a colour; the skin's button
// face otherwise.
Colour PushButtonBackground(const ButtonBackgroundFacts& facts, const SkinDefinition& skin);

struct PushButtonFacts {
    ButtonState state;
    // "||" breaks it into lines.
    std::string caption;
    ButtonGlyph glyph;
    GlyphLayout layout = GlyphLayout::Left;
    int margin = -1;
    int spacing = 4;
    // Alignment taCenter: the glyph and caption centred together.
    bool centred = false;
    bool rightToLeft = false;
    // A button with a drop-down part: an arrow at its right end, and the
    // caption laid out in the rest.
    bool dropDown = false;
    Colour fontColour = 0;
    Colour background = kNoColour;  // PushButtonBackground
    // The skin data's Options lack xoNoFocusRect.
    bool focusRect = true;
};

// The width of the drop-down part at a menu button's right end.
constexpr int kDropDownWidth = 16;

// Composes the button over `place`: the background, slice "look" of the
// Buttons picture nine-slice over it, the glyph and the caption's lines
// placed by LayOutButton (each line centred in the caption's block), and,
// when focused, the focus rectangle 2 pixels around the caption (3 pixels
// inside the edge for a button without a caption).
void PaintPushButton(Bitmap& target, Rect place, const PushButtonFacts& facts,
                     const SkinDefinition& skin, TextPainter& font, const SystemLook& system);

}  // namespace skin
