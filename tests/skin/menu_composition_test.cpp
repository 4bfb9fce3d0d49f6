// The pictures of the skinned menus: the menu bar's band and buttons, the
// menu window's background and each kind of item.
#include <gtest/gtest.h>

#include "skin_test_helpers.h"

#include <memory>
#include <vector>

#include "fixed_look.h"
#include "skin/caption_buttons.h"
#include "skin/menu_bar_band.h"
#include "skin/menu_item_look.h"
#include "test_skins.h"

using pixels::Bitmap;
using pixels::MakePixel;
using pixels::Pixel;
using skin::MenuItemFacts;
using skin::MenuItemSources;
using skin::Rect;
using skin::SkinDefinition;
using skin::TSkinObject;
using skintest::RecordingText;
using skintest::StateColour;
using skintest::States;

namespace {

const skintest::FixedLook kLook;
const Pixel kWhite = MakePixel(255, 255, 255);
const Pixel kBlack = MakePixel(0, 0, 0);

// The system colour with this index, as the fixed look gives it.
Pixel System(int index) {
    return skin::ColourToPixel(0x101010 + index);
}

std::unique_ptr<TSkinObject> Object(uint8_t tag, int states, int w, int h) {
    auto o = std::make_unique<TSkinObject>();
    o->Image = States(tag, states, w, h);
    o->Frame = states;
    return o;
}

// Its MenuItem picture: slice 1 clear, so the menu's picture shows; slice
// 2 clear but for the separator line in its row 15 of 20, whose three left
// columns are red; slices 3 to 5 solid.
SkinDefinition MenuSkin() {
    SkinDefinition s;
    s.Colours.MenuText = skin::MakeColour(0, 0, 1);
    s.Colours.HilightText = skin::MakeColour(255, 255, 254);
    s.Colours.ButtonShadow = skin::MakeColour(100, 100, 100);
    s.Colours.ButtonText = skin::MakeColour(7, 7, 7);
    s.Colours.Menu = skin::MakeColour(3, 3, 3);
    s.Colours.Hilight = skin::MakeColour(5, 5, 250);
    s.MenuItem = Object(16, 5, 30, 20);
    s.MenuItem->LeftWidth = 3;
    s.MenuItem->RightWidth = 3;
    s.MenuItem->Trans = 1;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 60; ++x) {
            if (x < 30 || y != 15)
                s.MenuItem->Image.At(x, y) = pixels::kMagenta;
            else if (x < 33)
                s.MenuItem->Image.At(x, y) = MakePixel(255, 0, 0);
        }
    }
    return s;
}

// A 5 x 5 check mark, black on white but for its white top-left corner.
Bitmap CheckMark() {
    Bitmap mark(5, 5, kBlack);
    mark.At(0, 0) = kWhite;
    return mark;
}

struct Fonts {
    RecordingText normal;
    RecordingText bold{8};
};

}  // namespace

TEST(MenuComposition, ItemsShowTheMenuWindowsPictureUnderThem) {
    const SkinDefinition s = MenuSkin();
    const Bitmap window = skintest::Numbered(120, 80);
    Fonts f;
    MenuItemSources sources{.Skin = s, .Look = kLook, .Fonts = {f.normal, f.bold}};
    MenuItemFacts item;
    item.Text.Caption = "Open";

    Bitmap out = skin::ComposeMenuItem({0, 22, 94, 44}, item, sources);
    ASSERT_EQ(out.Width(), 94);
    ASSERT_EQ(out.Height(), 22);
    EXPECT_EQ(out.At(50, 10), MakePixel(3, 3, 3));  // no picture: the Menu colour

    sources.Background = &window;
    out = skin::ComposeMenuItem({0, 22, 94, 44}, item, sources);
    EXPECT_EQ(out.At(50, 10), window.At(53, 35));  // the client area starts at 3, 3
    sources.ClientOrigin = {2, 5};
    out = skin::ComposeMenuItem({0, 22, 94, 44}, item, sources);
    EXPECT_EQ(out.At(50, 10), window.At(52, 37));
    // Beyond the picture's edge, the Menu colour.
    out = skin::ComposeMenuItem({100, 0, 130, 22}, item, sources);
    EXPECT_EQ(out.At(10, 10), window.At(112, 15));
    EXPECT_EQ(out.At(25, 10), MakePixel(3, 3, 3));
}

TEST(MenuComposition, ItemLooksAndTextColours) {
    const Bitmap window(120, 80, MakePixel(60, 60, 60));
    SkinDefinition pictured = MenuSkin();
    SkinDefinition plain = MenuSkin();
    plain.MenuItem.reset();
    SkinDefinition shadowIsText = MenuSkin();
    shadowIsText.Colours.ButtonShadow = shadowIsText.Colours.MenuText;
    struct Row {
        const SkinDefinition& skin;
        bool selected;
        bool enabled;
        Pixel face;
        skin::Colour text;
    };
    const Pixel under = MakePixel(60, 60, 60);
    const Row rows[] = {
        {pictured, false, true, under, skin::MakeColour(0, 0, 1)},
        {pictured, true, true, StateColour(16, 4), skin::MakeColour(255, 255, 254)},
        {pictured, false, false, under, skin::MakeColour(100, 100, 100)},
        {pictured, true, false, StateColour(16, 4), skin::MakeColour(100, 100, 100)},
        // A shadow that would not show: the system's.
        {shadowIsText, false, false, under, 0x101010 + 16},
        {plain, false, true, MakePixel(3, 3, 3), skin::MakeColour(0, 0, 1)},
        {plain, true, true, MakePixel(5, 5, 250), skin::MakeColour(255, 255, 254)},
    };
    for (const Row& row : rows) {
        Fonts f;
        const MenuItemSources sources{
            .Skin = row.skin, .Look = kLook, .Fonts = {f.normal, f.bold}, .Background = &window};
        MenuItemFacts item;
        item.Text = {"Open", "Ctrl+O"};
        item.Selected = row.selected;
        item.Enabled = row.enabled;
        const Bitmap out = skin::ComposeMenuItem({0, 0, 94, 22}, item, sources);
        EXPECT_EQ(out.At(50, 10), row.face) << row.selected << row.enabled;
        ASSERT_EQ(f.normal.lines.size(), 2u);
        EXPECT_EQ(f.normal.lines[0].colour, row.text) << row.selected << row.enabled;
        EXPECT_EQ(f.normal.lines[1].colour, row.text);
    }
}

TEST(MenuComposition, PlacesCaptionAndShortcutBesideTheGlyphColumn) {
    const SkinDefinition pictured = MenuSkin();
    SkinDefinition plain = MenuSkin();
    plain.MenuItem.reset();
    const Bitmap image(20, 20, kWhite);
    const std::vector<Bitmap> list{image};
    const skin::MenuImages wide{{20, 20}, list, false};
    const skin::MenuImages narrow{{12, 12}, list, false};
    struct Row {
        const SkinDefinition& skin;
        const skin::MenuImages* images;
        bool checked;
        bool rightToLeft;
        Rect caption;
        Rect shortcut;
    };
    const Row rows[] = {
        // 1 + LeftWidth, the 16 of the glyph column, 3; the shortcut ends
        // 10 before the right edge.
        {pictured, nullptr, false, false, {23, 0, 93, 22}, {23, 0, 84, 22}},
        {plain, nullptr, false, false, {20, 0, 93, 22}, {20, 0, 84, 22}},
        {pictured, &wide, false, false, {27, 0, 93, 22}, {27, 0, 84, 22}},
        {pictured, &narrow, false, false, {19, 0, 93, 22}, {19, 0, 84, 22}},
        {pictured, &narrow, true, false, {23, 0, 93, 22}, {23, 0, 84, 22}},  // at least 16
        // Mirrored: the column at the right, the texts before it.
        {pictured, nullptr, false, true, {1, 0, 71, 22}, {10, 0, 71, 22}},
        {plain, &wide, false, true, {1, 0, 70, 22}, {10, 0, 70, 22}},
    };
    for (const Row& row : rows) {
        Fonts f;
        const MenuItemSources sources{.Skin = row.skin,
                                      .Look = kLook,
                                      .Fonts = {f.normal, f.bold},
                                      .Images = row.images,
                                      .RightToLeft = row.rightToLeft};
        MenuItemFacts item;
        item.Text = {"Open", "Ctrl+O"};
        item.Checked = row.checked;
        skin::ComposeMenuItem({0, 0, 94, 22}, item, sources);
        ASSERT_EQ(f.normal.lines.size(), 2u);
        EXPECT_EQ(f.normal.lines[0].box, row.caption) << row.caption.left;
        EXPECT_EQ(f.normal.lines[0].text, "Open");
        EXPECT_EQ(f.normal.lines[1].box, row.shortcut) << row.caption.left;
        EXPECT_EQ(f.normal.lines[1].text, "Ctrl+O");
        const auto caption = row.rightToLeft ? skin::TextAlign::Right : skin::TextAlign::Left;
        const auto shortcut = row.rightToLeft ? skin::TextAlign::Left : skin::TextAlign::Right;
        EXPECT_EQ(f.normal.lines[0].align, caption);
        EXPECT_EQ(f.normal.lines[1].align, shortcut);
    }

    // The menu's default item, in bold.
    Fonts f;
    const MenuItemSources sources{.Skin = pictured, .Look = kLook, .Fonts = {f.normal, f.bold}};
    MenuItemFacts item;
    item.Text.Caption = "打开界面";
    item.Default = true;
    skin::ComposeMenuItem({0, 0, 94, 22}, item, sources);
    EXPECT_TRUE(f.normal.lines.empty());
    ASSERT_EQ(f.bold.lines.size(), 1u);
    EXPECT_EQ(f.bold.lines[0].text, "打开界面");
}

TEST(MenuComposition, DrawsCheckMarksAndImagesInTheGlyphColumn) {
    const SkinDefinition s = MenuSkin();
    const Pixel under = MakePixel(60, 60, 60);
    const Bitmap window(120, 80, under);
    const Bitmap mark = CheckMark();
    // An image: solid but for its magenta corner and two magenta pixels
    // inside; a mask: one black pixel on white.
    Bitmap picture = States(40, 1, 20, 20);
    picture.At(0, 0) = picture.At(10, 10) = picture.At(11, 10) = pixels::kMagenta;
    Bitmap glyph(16, 16, kWhite);
    glyph.At(8, 8) = kBlack;
    const std::vector<Bitmap> pictures{picture};
    const std::vector<Bitmap> glyphs{glyph};
    const skin::MenuImages imageList{{20, 20}, pictures, false};
    const skin::MenuImages glyphList{{16, 16}, glyphs, true};
    Fonts f;
    MenuItemSources sources{.Skin = s,
                            .Look = kLook,
                            .Fonts = {f.normal, f.bold},
                            .CheckMark = &mark,
                            .Background = &window};
    const auto compose = [&](const MenuItemFacts& item) {
        return skin::ComposeMenuItem({0, 0, 94, 22}, item, sources);
    };
    const Pixel buttonText = MakePixel(7, 7, 7);

    // The check mark: centred in the column (from 4, 16 wide) and in the
    // item, in the button text colour, its white left alone.
    MenuItemFacts item;
    item.Text.Caption = "Open";
    item.Checked = true;
    Bitmap out = compose(item);
    EXPECT_EQ(out.At(10, 9), buttonText);
    EXPECT_EQ(out.At(9, 8), under);
    item.Checked = false;
    EXPECT_EQ(compose(item).At(10, 9), under);
    item.Checked = true;
    sources.RightToLeft = true;
    EXPECT_EQ(compose(item).At(80, 9), buttonText);  // the column from 74
    sources.RightToLeft = false;

    // An image at the column's top-left corner, magenta transparent; grey
    // when the item is disabled.
    sources.Images = &imageList;
    item = {};
    item.Text.Caption = "Open";
    item.ImageIndex = 0;
    out = compose(item);
    EXPECT_EQ(out.At(5, 2), StateColour(40, 1));
    EXPECT_EQ(out.At(4, 1), under);
    item.Enabled = false;
    EXPECT_EQ(compose(item).At(5, 2), MakePixel(80, 80, 80));
    // Checked: the dithered pattern shows through, in a sunken edge.
    item.Enabled = true;
    item.Checked = true;
    out = compose(item);
    EXPECT_EQ(out.At(14, 11), System(20));
    EXPECT_EQ(out.At(15, 11), System(15));
    EXPECT_EQ(out.At(4, 1), System(16));
    EXPECT_EQ(out.At(5, 2), StateColour(40, 1));
    // No such image: a checked item shows the check mark in a 20-pixel
    // column.
    item.ImageIndex = 3;
    EXPECT_EQ(compose(item).At(4 + 7 + 1, 9), buttonText);

    // A mask takes the item's text colour.
    sources.Images = &glyphList;
    item = {};
    item.Text.Caption = "Close";
    item.ImageIndex = 0;
    EXPECT_EQ(compose(item).At(12, 9), MakePixel(0, 0, 1));
    EXPECT_EQ(compose(item).At(11, 9), under);
    item.Selected = true;
    EXPECT_EQ(compose(item).At(12, 9), MakePixel(255, 255, 254));
}

TEST(MenuComposition, DrawsSeparatorLines) {
    const Pixel under = MakePixel(60, 60, 60);
    const Bitmap window(120, 80, under);
    const SkinDefinition pictured = MenuSkin();
    SkinDefinition plain = MenuSkin();
    plain.MenuItem.reset();
    Fonts f;
    MenuItemSources sources{
        .Skin = pictured, .Look = kLook, .Fonts = {f.normal, f.bold}, .Background = &window};
    MenuItemFacts item;
    item.Text.Caption = "-";
    item.Selected = true;  // a separator has no selected look

    // 8 high: the bottom 8 rows of slice 2, so its line (row 15 of 20) is
    // the item's fourth row, its red left end kept.
    Bitmap out = skin::ComposeMenuItem({0, 44, 94, 52}, item, sources);
    EXPECT_EQ(out.At(50, 3), StateColour(16, 2));
    EXPECT_EQ(out.At(1, 3), MakePixel(255, 0, 0));
    EXPECT_EQ(out.At(92, 3), StateColour(16, 2));
    EXPECT_EQ(out.At(50, 2), under);
    EXPECT_EQ(out.At(50, 4), under);
    // Mirrored, the red end is at the right.
    sources.RightToLeft = true;
    out = skin::ComposeMenuItem({0, 44, 94, 52}, item, sources);
    EXPECT_EQ(out.At(92, 3), MakePixel(255, 0, 0));
    EXPECT_EQ(out.At(1, 3), StateColour(16, 2));
    // An item higher than the picture takes all of it.
    sources.RightToLeft = false;
    out = skin::ComposeMenuItem({0, 0, 94, 30}, item, sources);
    EXPECT_EQ(out.At(50, 25), StateColour(16, 2));

    // Without the picture: the system's etched line 4 pixels down.
    const MenuItemSources plainSources{
        .Skin = plain, .Look = kLook, .Fonts = {f.normal, f.bold}, .Background = &window};
    out = skin::ComposeMenuItem({0, 44, 94, 53}, item, plainSources);
    EXPECT_EQ(out.At(50, 3), under);
    EXPECT_EQ(out.At(50, 4), System(16));
    EXPECT_EQ(out.At(50, 5), System(20));
    EXPECT_EQ(out.At(50, 6), under);
    EXPECT_TRUE(f.normal.lines.empty());
}

TEST(MenuComposition, PaintsTheBandAndItsButtons) {
    SkinDefinition s;
    s.Colours.MenuBarText = skin::MakeColour(9, 9, 9);
    s.Colours.ButtonHilight = skin::MakeColour(200, 200, 200);
    s.MenuBar = Object(5, 2, 40, 20);
    s.MenuBar->LeftWidth = 3;
    s.MenuBar->RightWidth = 5;
    std::vector<skin::TMenuBarButton> buttons(4);
    buttons[0].Caption = "File";
    buttons[1].Caption = "Edit";
    buttons[1].Enabled = false;
    buttons[2].Visible = false;
    buttons[2].Caption = "Hidden";
    buttons[3].Caption = "";
    const Pixel desk = MakePixel(50, 50, 50);
    Bitmap window(300, 60, desk);
    RecordingText text;
    const Rect band{4, 24, 296, 44};
    const Bitmap background =
        skin::PaintMenuBand(window, {band, false, false}, s, buttons, {}, text, kLook);
    EXPECT_EQ(window.At(150, 30), StateColour(5, 2));  // the inactive state
    EXPECT_EQ(window.At(150, 23), desk);
    EXPECT_EQ(background, Bitmap(292, 20, StateColour(5, 2)));
    EXPECT_EQ(buttons[0].Place, (Rect{4 + 7, 24, 4 + 7 + 34, 43}));
    EXPECT_EQ(buttons[1].Place, (Rect{45, 24, 79, 43}));
    EXPECT_TRUE(buttons[2].Place.Empty());
    EXPECT_EQ(buttons[3].Place.Width(), 0);
    ASSERT_EQ(text.lines.size(), 3u);
    EXPECT_EQ(text.lines[0].box, buttons[0].Place);
    EXPECT_EQ(text.lines[0].colour, skin::MakeColour(9, 9, 9));
    EXPECT_EQ(text.lines[1].colour, 0x101010 + 16);  // disabled: the system's button shadow
    EXPECT_EQ(text.lines[0].align, skin::TextAlign::Centre);

    // A hot button gets its frame; back to normal, the band comes back.
    buttons[0].State = skin::ElementState::Hot;
    skin::PaintMenuBarButton(window, background, band, buttons[0], s, text, kLook);
    EXPECT_EQ(window.At(11, 24), MakePixel(200, 200, 200));
    EXPECT_EQ(window.At(44, 42), MakePixel(200, 200, 200));
    EXPECT_EQ(window.At(20, 30), StateColour(5, 2));
    buttons[0].State = skin::ElementState::Normal;
    skin::PaintMenuBarButton(window, background, band, buttons[0], s, text, kLook);
    EXPECT_EQ(window.At(11, 24), StateColour(5, 2));

    // Right to left: from RightWidth + 8 before the right end.
    text.lines.clear();
    skin::PaintMenuBand(window, {band, true, true}, s, buttons, {}, text, kLook);
    EXPECT_EQ(window.At(150, 30), StateColour(5, 1));
    EXPECT_EQ(buttons[0].Place, (Rect{296 - 13 - 34, 24, 296 - 13, 43}));
    EXPECT_EQ(text.lines[0].box, buttons[0].Place);

    // Without a picture: the Menubar colour, and the first button at 6.
    SkinDefinition plain;
    plain.Colours.Menubar = skin::MakeColour(1, 2, 3);
    skin::PaintMenuBand(window, {band}, plain, buttons, {}, text, kLook);
    EXPECT_EQ(window.At(150, 30), MakePixel(1, 2, 3));
    EXPECT_EQ(buttons[0].Place.left, 10);
}

TEST(MenuComposition, TheBandShowsTheCaptionButtonsThatStandInIt) {
    SkinDefinition s;
    s.Colours.Menubar = skin::MakeColour(1, 2, 3);
    skin::TSkinSysButtonObject inBand, onCaption;
    inBand.Image = States(30, 4, 10, 10);
    inBand.Image.At(0, 0) = pixels::kMagenta;
    inBand.Frame = 4;
    inBand.Visibility = 100;
    inBand.Action = 2;
    onCaption = inBand;
    onCaption.Visibility = 0;
    s.CaptionButtons = {inBand, onCaption, inBand};
    const skin::SkinSnapshot snapshot = std::make_shared<const SkinDefinition>(std::move(s));
    std::vector<skin::TCaptionButton> captionButtons = skin::MakeCaptionButtons(snapshot);
    captionButtons[0].Visible = captionButtons[1].Visible = true;
    captionButtons[0].Place = {250, 28, 260, 38};
    captionButtons[1].Place = {230, 28, 240, 38};
    captionButtons[2].Place = {210, 28, 220, 38};  // hidden

    std::vector<skin::TMenuBarButton> buttons(1);
    buttons[0].Caption = "File";
    Bitmap window(300, 60);
    RecordingText text;
    const Bitmap background = skin::PaintMenuBand(window, {{4, 24, 296, 44}}, *snapshot, buttons,
                                                  captionButtons, text, kLook);
    EXPECT_EQ(window.At(255, 33), StateColour(30, 1));
    EXPECT_EQ(window.At(250, 28), MakePixel(1, 2, 3));  // magenta
    EXPECT_EQ(window.At(235, 33), MakePixel(1, 2, 3));
    EXPECT_EQ(window.At(215, 33), MakePixel(1, 2, 3));
    EXPECT_EQ(background.At(255 - 4, 33 - 24), MakePixel(1, 2, 3));
}
