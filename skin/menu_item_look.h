// Pop-up menus in the skin: the menu window's background and its items,
// each composed whole so that the window half only copies it to the menu.
#pragma once

#include <span>

#include "pixels/bitmap.h"
#include "skin/geometry.h"
#include "skin/menu_item_text.h"
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

// A menu's image list: images of one size, magenta transparent; or masks
// (the skin data's menu glyphs), whose pixels that are not white take the
// item's text colour.
struct MenuImages {
    Size ImageSize;
    std::span<const Bitmap> Images;
    bool Masks = false;
};

// The menu font, and its bold form for the menu's default item.
struct MenuFonts {
    TextPainter& Normal;
    TextPainter& Bold;
};

// What the items of one menu are measured and drawn with.
struct MenuItemSources {
    const SkinDefinition& Skin;
    const SystemLook& Look;
    MenuFonts Fonts;
    // The menu's image list, if it has one.
    const MenuImages* Images = nullptr;
    // The system's check mark as a mask (white for transparent).
    const Bitmap* CheckMark = nullptr;
    // The menu window's picture, and where the window's client area (the
    // items' coordinates) starts in it; without a picture the Menu colour.
    const Bitmap* Background = nullptr;
    Point ClientOrigin{kMenuBorder, kMenuBorder};
    bool RightToLeft = false;
};

struct MenuItemFacts {
    MenuItemText Text;
    bool Selected = false;
    bool Enabled = true;
    bool Checked = false;
    // The menu's default item, in bold.
    bool Default = false;
    // Its image in the menu's image list; none when out of the list's range.
    int ImageIndex = -1;
};

// The glyph column's width: the image list's, or 16 without one; at least
// 16 for a checked item.
int MenuGlyphColumnWidth(const MenuItemFacts& item, const MenuImages* images);

// One item at `place` (client coordinates of the menu window), as large as
// the place: the menu window's picture under it, or the Menu colour; then
// MenuItem's slice 1, or 4 when selected (Hilight or Menu without the
// picture). A separator is a line from the bottom rows of MenuItem's slice
// 2, or an etched line 4 pixels down. Other items get the glyph column
// (image, check box pattern, check mark), the caption after it (bold for the
// default item) and the shortcut ending 10 pixels before the right edge;
// right-to-left menus mirrored.
Bitmap ComposeMenuItem(Rect place, const MenuItemFacts& item, const MenuItemSources& sources);

}  // namespace skin
