// The skinned system menu's items: their size and their glyphs.
#include <gtest/gtest.h>

#include <memory>

#include "fixed_look.h"
#include "skin/menu_item_look.h"
#include "skin_test_helpers.h"
#include "test_skins.h"

using pixels::Bitmap;
using pixels::MakePixel;
using skin::Size;

namespace {

const skintest::FixedLook kLook;

TEST(SystemMenuLook, ItemsAreAsWideAsTheirTextsAndTheGlyphColumn) {
    skin::SkinDefinition plain;
    skin::SkinDefinition withPicture;
    withPicture.MenuItem = std::make_unique<skin::TSkinObject>();
    withPicture.MenuItem->Image = Bitmap(50, 20);
    withPicture.MenuItem->LeftWidth = 5;
    struct Row {
        const skin::SkinDefinition& skin;
        Size caption;
        int shortcut;
        bool separator;
        Size expected;
    };
    const Row rows[] = {
        {plain, {60, 14}, 0, false, {86, 18}},       {plain, {60, 14}, 40, false, {142, 18}},
        {withPicture, {60, 14}, 0, false, {91, 18}}, {plain, {60, 14}, 0, true, {0, 8}},
        {withPicture, {0, 0}, 0, true, {0, 8}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(skin::SystemMenuItemSize(row.caption, row.shortcut, row.separator, row.skin),
                  row.expected)
            << row.caption.width << " " << row.shortcut << " " << row.separator;
    }
}

// The glyph's dark pixels take the item's text colour: the menu colour's
// opposite when selected, the disabled colour when the item is disabled.
TEST(SystemMenuLook, GlyphsTakeTheTextColourOfTheirItem) {
    skin::SkinDefinition s;
    s.Colours.Menu = skin::MakeColour(200, 200, 200);
    s.Colours.Hilight = skin::MakeColour(0, 0, 128);
    s.Colours.MenuText = skin::MakeColour(0, 0, 0);
    s.Colours.HilightText = skin::MakeColour(255, 255, 255);
    s.Colours.ButtonShadow = skin::MakeColour(128, 128, 128);
    Bitmap glyph(16, 16, MakePixel(255, 255, 255));
    glyph.At(7, 7) = glyph.At(8, 8) = MakePixel(0, 0, 0);
    const Bitmap background = skin::PaintMenuBackground({120, 30}, s, kLook);
    skintest::RecordingText text;
    struct Row {
        bool selected;
        bool enabled;
        pixels::Pixel glyphColour;
        pixels::Pixel around;
    };
    const Row rows[] = {
        {false, true, MakePixel(0, 0, 0), MakePixel(200, 200, 200)},
        {true, true, MakePixel(255, 255, 255), MakePixel(0, 0, 128)},
        {false, false, MakePixel(128, 128, 128), MakePixel(200, 200, 200)},
    };
    for (const Row& row : rows) {
        Bitmap window = background;
        skin::MenuItemState item;
        item.Caption = "Close";
        item.Selected = row.selected;
        item.Enabled = row.enabled;
        item.Glyph = &glyph;
        skin::PaintMenuItem(window, {0, 0, 114, 20}, background, s, item, text, Bitmap(), kLook);
        // The column starts one pixel in from the item (3 in the window),
        // the item is 20 high: the glyph's centre is at (3 + 1 + 8, 3 + 10).
        EXPECT_EQ(window.At(3 + 1 + 7, 3 + 10 - 1), row.glyphColour) << row.selected;
        EXPECT_EQ(window.At(3 + 1 + 8, 3 + 10), row.glyphColour) << row.selected;
        EXPECT_EQ(window.At(3 + 1 + 9, 3 + 10), row.around) << row.selected;
    }
}

}  // namespace
