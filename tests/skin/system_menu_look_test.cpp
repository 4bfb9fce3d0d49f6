// The skinned system menu's glyphs: masks in the item's text colour.
#include <gtest/gtest.h>

#include <span>

#include "fixed_look.h"
#include "skin/menu_item_look.h"
#include "skin_test_helpers.h"
#include "test_skins.h"

using pixels::Bitmap;
using pixels::MakePixel;

namespace {

const skintest::FixedLook kLook;

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
    const skin::MenuImages glyphs{{16, 16}, std::span<const Bitmap>(&glyph, 1), true};
    for (const Row& row : rows) {
        skin::MenuItemFacts item;
        item.Text = {"Close", ""};
        item.Selected = row.selected;
        item.Enabled = row.enabled;
        item.ImageIndex = 0;
        const skin::MenuItemSources sources{s, kLook, {text, text}, &glyphs, nullptr, &background};
        const Bitmap picture = skin::ComposeMenuItem({0, 0, 114, 20}, item, sources);
        // The glyph column starts one pixel in from the item's corner.
        EXPECT_EQ(picture.At(1 + 7, 1 + 7), row.glyphColour) << row.selected;
        EXPECT_EQ(picture.At(1 + 8, 1 + 8), row.glyphColour) << row.selected;
        EXPECT_EQ(picture.At(1 + 9, 1 + 8), row.around) << row.selected;
    }
}

}  // namespace
