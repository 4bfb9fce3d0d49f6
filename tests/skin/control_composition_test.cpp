#include <gtest/gtest.h>

#include "skin_test_helpers.h"

#include <memory>
#include <string>
#include <vector>

#include "fixed_look.h"
#include "skin/check_box_look.h"
#include "skin/combo_box_look.h"
#include "skin/menu_bar_band.h"
#include "skin/menu_item_look.h"
#include "skin/push_button_look.h"
#include "skin/scroll_bar_look.h"
#include "skin/status_bar_look.h"
#include "test_skins.h"

using pixels::Bitmap;
using pixels::MakePixel;
using pixels::Pixel;
using skin::Look;
using skin::Rect;
using skin::ScrollPart;
using skin::SkinDefinition;
using skin::TSkinObject;
using skintest::RecordingText;
using skintest::StateColour;
using skintest::States;

namespace {

std::unique_ptr<TSkinObject> Object(uint8_t tag, int states, int w, int h) {
    auto o = std::make_unique<TSkinObject>();
    o->Image = States(tag, states, w, h);
    o->Frame = states;
    return o;
}

const Pixel kBackground = MakePixel(50, 50, 50);
const skintest::FixedLook kLook;

}  // namespace

TEST(ControlComposition, LaysTheMenuBarOutAfterTheBandsLeftMargin) {
    SkinDefinition s;
    s.Colours.MenuBarText = skin::MakeColour(9, 9, 9);
    s.Colours.ButtonHilight = skin::MakeColour(200, 200, 200);
    s.MenuBar = Object(5, 2, 40, 20);
    s.MenuBar->LeftWidth = 3;
    std::vector<skin::TMenuBarButton> buttons(4);
    buttons[0].Caption = "File";
    buttons[1].Caption = "Edit";
    buttons[1].Enabled = false;
    buttons[2].Visible = false;
    buttons[2].Caption = "Hidden";
    buttons[3].Caption = "";
    Bitmap window(300, 60, kBackground);
    RecordingText text;
    const Rect band{4, 24, 296, 44};
    const Bitmap background = skin::PaintMenuBand(window, band, s, false, buttons, text, kLook);
    EXPECT_EQ(window.At(150, 30), StateColour(5, 2));  // the inactive state
    EXPECT_EQ(buttons[0].Place, (Rect{4 + 7, 24, 4 + 7 + 34, 43}));
    EXPECT_EQ(buttons[1].Place, (Rect{45, 24, 79, 43}));
    EXPECT_TRUE(buttons[2].Place.Empty());
    EXPECT_EQ(buttons[3].Place.Width(), 0);
    ASSERT_EQ(text.lines.size(), 3u);
    EXPECT_EQ(text.lines[0].colour, skin::MakeColour(9, 9, 9));
    EXPECT_EQ(text.lines[1].colour, 0x101010 + 16);  // disabled: the system's button shadow
    EXPECT_EQ(text.lines[0].align, skin::TextAlign::Centre);

    // A hot button gets its frame; back to normal, the band comes back.
    buttons[0].State = skin::ElementState::Hot;
    skin::PaintMenuBarButton(window, background, band, buttons[0], s, text, kLook);
    EXPECT_EQ(window.At(11, 24), MakePixel(200, 200, 200));
    EXPECT_EQ(window.At(44, 42), MakePixel(200, 200, 200));
    buttons[0].State = skin::ElementState::Normal;
    skin::PaintMenuBarButton(window, background, band, buttons[0], s, text, kLook);
    EXPECT_EQ(window.At(11, 24), StateColour(5, 2));

    // Without a picture: the Menubar colour, and the first button at 6.
    SkinDefinition plain;
    plain.Colours.Menubar = skin::MakeColour(1, 2, 3);
    skin::PaintMenuBand(window, band, plain, true, buttons, text, kLook);
    EXPECT_EQ(window.At(150, 30), MakePixel(1, 2, 3));
    EXPECT_EQ(buttons[0].Place.left, 10);
}

TEST(ControlComposition, PicksPushButtonLooksAndTheirTextColours) {
    EXPECT_EQ(skin::PushButtonLook({true, true, true, false}), Look::Disabled);
    EXPECT_EQ(skin::PushButtonLook({true, true, true, true}), Look::Pressed);
    EXPECT_EQ(skin::PushButtonLook({false, true, true, true}), Look::Hot);
    EXPECT_EQ(skin::PushButtonLook({false, false, true, true}), Look::Focused);
    EXPECT_EQ(skin::PushButtonLook({}), Look::Normal);

    SkinDefinition s;
    s.Buttons.Image = States(6, 5, 10, 10);
    s.Buttons.Frame = 5;
    s.Buttons.HasMouseOverColour2 = true;
    s.Buttons.MouseOverColour2 = skin::MakeColour(0, 0, 255);
    const skin::Colour font = skin::MakeColour(1, 1, 1);
    EXPECT_EQ(skin::PushButtonTextColour(s, Look::Hot, font, kLook), skin::MakeColour(0, 0, 255));
    EXPECT_EQ(skin::PushButtonTextColour(s, Look::Normal, font, kLook), font);
    EXPECT_EQ(skin::PushButtonTextColour(s, Look::Focused, font, kLook), font);
    EXPECT_EQ(skin::PushButtonTextColour(s, Look::Disabled, font, kLook), 0x101010 + 16);

    Bitmap target(40, 30, kBackground);
    s.Buttons.Image.At(40, 0) = pixels::kMagenta;  // slice 5's corner
    s.Buttons.Trans = 1;
    skin::PaintPushButton(target, {5, 5, 35, 25}, s, Look::Focused, MakePixel(9, 9, 9));
    EXPECT_EQ(target.At(20, 15), StateColour(6, 5));
    EXPECT_EQ(target.At(5, 5), MakePixel(9, 9, 9));  // the fill under the magenta
    EXPECT_EQ(target.At(4, 4), kBackground);
}

TEST(ControlComposition, DrawsComboBoxesByTheirButtonsStyle) {
    SkinDefinition s;
    Bitmap target(100, 21, kBackground);
    skin::PaintComboBox(target, {0, 0, 100, 21}, s, Look::Normal, false, {}, kLook);
    EXPECT_EQ(target.At(50, 10), kBackground);  // no ComboButton: nothing

    // The picture the loader composes, with its magenta inside.
    s.ComboButton = std::make_unique<skin::TSkinBorderObject>();
    s.ComboButton->Image = States(7, 4, 50, 21);
    s.ComboButton->Frame = 4;
    s.ComboButton->Style = 2;
    s.ComboButton->Trans = 1;
    for (int i = 0; i < 4; ++i)
        s.ComboButton->Image.At(i * 50 + 10, 10) = pixels::kMagenta;
    s.SunkEdge = Object(8, 4, 50, 21);
    skin::PaintComboBox(target, {0, 0, 100, 21}, s, Look::Hot, false, {}, kLook);
    EXPECT_EQ(target.At(95, 10), StateColour(7, 4));
    EXPECT_EQ(target.At(20, 10), kBackground);  // the edit field shows through
    skin::PaintComboBox(target, {0, 0, 100, 21}, s, Look::Pressed, true, {}, kLook);
    EXPECT_EQ(target.At(95, 10), StateColour(8, 2));  // right to left: the mirror

    // Any other style: the edge around a field that keeps its pixels, the
    // button over the strip at the end, the arrow glyph centred on it.
    s.ComboButton->Style = 0;
    s.ComboButton->Image = States(7, 4, 19, 21);
    s.ExtraImages = Object(9, 5, 9, 5);
    target = Bitmap(100, 21, kBackground);
    skin::PaintComboBox(target, {0, 0, 100, 21}, s, Look::Normal, false, {17, 17, 0}, kLook);
    EXPECT_EQ(target.At(0, 0), StateColour(8, 1));
    EXPECT_EQ(target.At(40, 10), kBackground);
    EXPECT_EQ(target.At(78, 10), kBackground);  // the field ends 4 before the strip
    EXPECT_EQ(target.At(80, 10), StateColour(8, 1));
    EXPECT_EQ(target.At(81, 0), StateColour(7, 1));
    EXPECT_EQ(target.At(81 + 8 - 4, 8), StateColour(9, 1));  // the glyph, 9 x 5 in 17 x 21
}

TEST(ControlComposition, FindsTheScrollBarPartUnderAPoint) {
    // A bar 100 long, arrows 17, the thumb from 40 to 60.
    EXPECT_EQ(skin::ScrollPartAt(0, 100, 17, 40, 60), ScrollPart::LineUp);
    EXPECT_EQ(skin::ScrollPartAt(16, 100, 17, 40, 60), ScrollPart::LineUp);
    EXPECT_EQ(skin::ScrollPartAt(17, 100, 17, 40, 60), ScrollPart::PageUp);
    EXPECT_EQ(skin::ScrollPartAt(40, 100, 17, 40, 60), ScrollPart::Thumb);
    EXPECT_EQ(skin::ScrollPartAt(60, 100, 17, 40, 60), ScrollPart::PageDown);
    EXPECT_EQ(skin::ScrollPartAt(82, 100, 17, 40, 60), ScrollPart::PageDown);
    EXPECT_EQ(skin::ScrollPartAt(83, 100, 17, 40, 60), ScrollPart::LineDown);
}

TEST(ControlComposition, ComposesScrollBarsFromTheirSlices) {
    SkinDefinition s;
    s.Colours.ButtonFace = skin::MakeColour(1, 1, 1);
    s.Scrollbar = Object(10, 23, 17, 17);
    s.VertScroll = Object(11, 4, 17, 24);
    s.VertScrollThumb = Object(12, 3, 17, 24);
    Bitmap target(17, 200, kBackground);
    skin::ScrollBarState state;
    state.ThumbStart = 40;
    state.ThumbEnd = 100;
    state.Pressed = ScrollPart::LineDown;
    state.Hot = ScrollPart::Thumb;
    skin::PaintScrollBar(target, {0, 0, 17, 200}, s, state, 17, kLook);
    EXPECT_EQ(target.At(8, 8), StateColour(10, 9));         // up arrow
    EXPECT_EQ(target.At(8, 190), StateColour(10, 13 + 1));  // down arrow, pressed
    EXPECT_EQ(target.At(8, 30), StateColour(11, 1));        // track
    EXPECT_EQ(target.At(8, 45), StateColour(12, 3));        // hot thumb
    EXPECT_EQ(target.At(8, 70), StateColour(10, 20 + 2));   // hot grip, centred on it

    // Hot without a press: +3 on an arrow; a disabled bar's track is slice 3.
    state = {};
    state.Enabled = false;
    state.Hot = ScrollPart::LineUp;
    skin::PaintScrollBar(target, {0, 0, 17, 200}, s, state, 17, kLook);
    EXPECT_EQ(target.At(8, 8), StateColour(10, 9 + 3));
    EXPECT_EQ(target.At(8, 100), StateColour(11, 3));

    // A short thumb has no grip; a bar shorter than two arrows halves them.
    state = {};
    state.ThumbStart = 20;
    state.ThumbEnd = 30;
    skin::PaintScrollBar(target, {0, 0, 17, 200}, s, state, 17, kLook);
    EXPECT_EQ(target.At(8, 25), StateColour(12, 1));
    Bitmap shortBar(17, 20, kBackground);
    skin::PaintScrollBar(shortBar, {0, 0, 17, 20}, s, {}, 17, kLook);
    EXPECT_EQ(shortBar.At(8, 9), StateColour(10, 9));
    EXPECT_EQ(shortBar.At(8, 10), StateColour(10, 13));

    // Horizontal: left and right arrows, HorzScroll.
    s.HorzScroll = Object(13, 4, 24, 17);
    Bitmap across(200, 17, kBackground);
    state = {};
    state.Vertical = false;
    skin::PaintScrollBar(across, {0, 0, 200, 17}, s, state, 17, kLook);
    EXPECT_EQ(across.At(8, 8), StateColour(10, 1));
    EXPECT_EQ(across.At(190, 8), StateColour(10, 5));
    EXPECT_EQ(across.At(100, 8), StateColour(13, 1));
}

TEST(ControlComposition, DrawsStatusPanelsToTheBarsEnd) {
    SkinDefinition s;
    s.Colours.ButtonFace = skin::MakeColour(1, 1, 1);
    s.StatusBarEdges = Object(14, 3, 12, 12);
    s.StatusBarEdges->NormalColour2 = skin::MakeColour(5, 5, 5);
    s.ExtraImages = Object(15, 5, 12, 12);
    Bitmap target(300, 20, kBackground);
    RecordingText text;
    skin::PaintStatusBar(target, {0, 0, 300, 20}, s,
                         {{{0, 2, 100, 20}, skin::PanelBevel::Raised, "", skin::TextAlign::Left},
                          {{102, 2, 200, 20}, skin::PanelBevel::None, "x", skin::TextAlign::Right}},
                         true, skin::MakeColour(0, 0, 0), text, kLook);
    EXPECT_EQ(target.At(0, 0), MakePixel(1, 1, 1));
    EXPECT_EQ(target.At(101, 10), StateColour(14, 2));  // widened by 2
    EXPECT_EQ(target.At(250, 10), StateColour(14, 3));  // the last reaches the end
    EXPECT_EQ(target.At(298, 18), StateColour(15, 5));  // the grip, 1 inside the corner
    EXPECT_EQ(target.At(299, 19), StateColour(14, 3));
    ASSERT_EQ(text.lines.size(), 2u);
    EXPECT_EQ(text.lines[0].text, " ");
    EXPECT_EQ(text.lines[1].box, (Rect{104, 2, 298, 20}));
    EXPECT_EQ(text.lines[1].colour, skin::MakeColour(5, 5, 5));
}

TEST(ControlComposition, DrawsMenuItemsAndSeparators) {
    SkinDefinition s;
    s.Colours.MenuText = skin::MakeColour(0, 0, 0);
    s.Colours.HilightText = skin::MakeColour(255, 255, 255);
    s.Colours.ButtonShadow = skin::MakeColour(0, 0, 0);
    s.Colours.Menu = skin::MakeColour(3, 3, 3);
    s.MenuItem = Object(16, 5, 30, 20);
    s.MenuItem->LeftWidth = 3;
    s.MenuItem->Trans = 1;
    // The normal slice is clear; the separator line is the second slice's
    // row 15 of 20.
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 60; ++x) {
            if (x < 30 || y != 15)
                s.MenuItem->Image.At(x, y) = pixels::kMagenta;
        }
    }
    const Bitmap background = skin::PaintMenuBackground({100, 60}, s, kLook);
    EXPECT_EQ(background.At(50, 30), MakePixel(3, 3, 3));
    Bitmap window = background;
    RecordingText text;
    const Bitmap mark(5, 5, MakePixel(8, 8, 8));
    skin::MenuItemState item;
    item.Caption = "Open";
    item.Shortcut = "ALT+F4";
    item.Checked = true;
    item.Enabled = false;
    skin::PaintMenuItem(window, {0, 0, 94, 22}, background, s, item, text, mark, kLook);
    EXPECT_EQ(window.At(50, 10), MakePixel(3, 3, 3));  // the normal slice lets it show
    EXPECT_EQ(window.At(3 + 1 + 3 + 5, 3 + 8), MakePixel(8, 8, 8));  // the mark, centred
    ASSERT_EQ(text.lines.size(), 2u);
    EXPECT_EQ(text.lines[0].box.left, 3 + 1 + 3 + 16 + 3);
    // Disabled, with ButtonShadow equal to MenuText: the system's shadow.
    EXPECT_EQ(text.lines[0].colour, 0x101010 + 16);
    EXPECT_EQ(text.lines[1].box.right, 97 - 10);
    EXPECT_EQ(text.lines[1].align, skin::TextAlign::Right);

    item = {};
    item.Caption = "Save";
    item.Selected = true;
    skin::PaintMenuItem(window, {0, 22, 94, 44}, background, s, item, text, mark, kLook);
    EXPECT_EQ(window.At(50, 35), StateColour(16, 4));
    EXPECT_EQ(text.lines.back().colour, skin::MakeColour(255, 255, 255));

    // A separator 8 high: the bottom 8 rows of slice 2, so its line (row 15
    // of 20) falls on the item's fourth row.
    item = {};
    item.Caption = "-";
    skin::PaintMenuItem(window, {0, 44, 94, 52}, background, s, item, text, mark, kLook);
    EXPECT_EQ(window.At(50, 3 + 44 + 3), StateColour(16, 2));
    EXPECT_EQ(window.At(50, 3 + 44 + 2), MakePixel(3, 3, 3));
}

TEST(ControlComposition, DrawsCheckAndRadioBoxesInTheirHalves) {
    EXPECT_EQ(skin::CheckBoxSlice(Look::Normal, false), 1);
    EXPECT_EQ(skin::CheckBoxSlice(Look::Hot, true), 8);
    EXPECT_EQ(skin::CheckBoxSlice(Look::Focused, true), 5);

    SkinDefinition s;
    s.Buttons.RadioButtonImage = States(17, 8, 13, 13);
    s.Buttons.RadioButtonFrame = 8;
    EXPECT_EQ(skin::CheckBoxSize(s, true), (skin::Size{13, 13}));
    EXPECT_EQ(skin::CheckBoxSize(s, false), (skin::Size{0, 0}));
    Bitmap target(20, 20, kBackground);
    skin::PaintCheckBox(target, 2, 3, s, true, Look::Pressed, true);
    EXPECT_EQ(target.At(2, 3), StateColour(17, 6));
    EXPECT_EQ(target.At(15, 3), kBackground);
}
