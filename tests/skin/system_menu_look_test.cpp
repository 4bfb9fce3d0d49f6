// The skinned system menu's glyphs: the skin data's menu glyphs as an image
// list of masks, inked in the item's text colour.
#include <gtest/gtest.h>

#include <vector>

#include "fixed_look.h"
#include "skin/menu_item_look.h"
#include "skin_test_helpers.h"

using pixels::Bitmap;
using pixels::MakePixel;

namespace {

const skintest::FixedLook kLook;

// The glyph's dark pixels take the item's text colour: the menu colour's
// opposite when selected, the disabled colour when the item is disabled;
// its white pixels let the item show through.
TEST(SystemMenuLook, GlyphsTakeTheTextColourOfTheirItem) {
    skin::SkinDefinition s;
    s.Colours.Menu = skin::MakeColour(200, 200, 200);
    s.Colours.Hilight = skin::MakeColour(0, 0, 128);
    s.Colours.MenuText = skin::MakeColour(0, 0, 0);
    s.Colours.HilightText = skin::MakeColour(255, 255, 255);
    s.Colours.ButtonShadow = skin::MakeColour(128, 128, 128);
    std::vector<Bitmap> glyphs(2, Bitmap(16, 16, MakePixel(255, 255, 255)));
    glyphs[1].At(7, 7) = glyphs[1].At(8, 8) = MakePixel(0, 0, 0);
    const skin::MenuImages list{{16, 16}, glyphs, true};
    skintest::RecordingText text;
    skin::MenuItemSources sources{s, kLook, {text, text}};
    sources.Images = &list;
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
        skin::MenuItemFacts item;
        item.Text = {"Close", ""};
        item.Selected = row.selected;
        item.Enabled = row.enabled;
        item.ImageIndex = 1;
        const Bitmap out = skin::ComposeMenuItem({0, 0, 114, 20}, item, sources);
        // The glyph column starts one pixel in, at the item's second row.
        EXPECT_EQ(out.At(1 + 7, 1 + 7), row.glyphColour) << row.selected << row.enabled;
        EXPECT_EQ(out.At(1 + 8, 1 + 8), row.glyphColour) << row.selected << row.enabled;
        EXPECT_EQ(out.At(1 + 9, 1 + 8), row.around) << row.selected << row.enabled;
    }
}

}  // namespace
