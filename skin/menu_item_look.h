// Pop-up menus in the skin: the menu window's background and its items.
#pragma once

#include <string>

#include "pixels/bitmap.h"
#include "skin/geometry.h"
#include "skin/skin_definition.h"
#include "skin/system_look.h"
#include "skin/text_painter.h"

namespace skin {

using pixels::Bitmap;

// The width of the menu window's border, which the background's edges cover.
constexpr int kMenuBorder = 3;

// The whole menu window: the MenuBackground picture over it, or the Menu
// colour without one.
Bitmap PaintMenuBackground(Size window, const SkinDefinition& skin, const SystemLook& look);

struct MenuItemState {
    std::string Caption;  // "-" for a separator
    std::string Shortcut;
    bool Selected = false;
    bool Enabled = true;
    bool Checked = false;
};

// The width of the glyph column.
constexpr int kMenuGlyphWidth = 16;

// Draws one item, `place` in the menu window's client coordinates, onto the
// window's picture `window` (whose background `background` shows through):
// MenuItem's slice 1, or 4 when selected; a separator is a line from the
// bottom rows of slice 2. The caption follows the glyph column, the shortcut
// ends 10 pixels before the right edge; a checked item shows `checkMark`
// (magenta transparent) centred in the glyph column.
void PaintMenuItem(Bitmap& window, Rect place, const Bitmap& background, const SkinDefinition& skin,
                   const MenuItemState& item, TextPainter& menuFont, const Bitmap& checkMark,
                   const SystemLook& look);

}  // namespace skin
