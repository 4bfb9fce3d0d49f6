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
    // A glyph of the skin data's menu glyphs (white for transparent), drawn
    // in the item's text colour in the glyph column; none for most items.
    const Bitmap* Glyph = nullptr;
};

// The width of the glyph column.
constexpr int kMenuGlyphWidth = 16;

// The size of an item of the skinned system menu: its caption's width and
// its shortcut's (0 without one) in the menu font, the glyph column and the
// gaps around them, and MenuItem's LeftWidth when the skin has the picture;
// four more than the text is high, a separator 8 pixels.
Size SystemMenuItemSize(Size caption, int shortcutWidth, bool separator,
                        const SkinDefinition& skin);

// Draws one item, `place` in the menu window's client coordinates, onto the
// window's picture `window` (whose background `background` shows through):
// MenuItem's slice 1, or 4 when selected; a separator is a line from the
// bottom rows of slice 2. The caption follows the glyph column, the shortcut
// ends 10 pixels before the right edge; a checked item shows `checkMark`
// (magenta transparent) centred in the glyph column, where an item's glyph
// shows too.
void PaintMenuItem(Bitmap& window, Rect place, const Bitmap& background, const SkinDefinition& skin,
                   const MenuItemState& item, TextPainter& menuFont, const Bitmap& checkMark,
                   const SystemLook& look);

}  // namespace skin
