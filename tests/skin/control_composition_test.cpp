#include <gtest/gtest.h>

#include "skin_test_helpers.h"

#include <memory>
#include <string>
#include <vector>

#include "fixed_look.h"
#include "skin/check_box_look.h"
#include "skin/combo_box_look.h"
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
    skin::PushButtonFacts focused;
    focused.state.Focused = true;
    focused.focusRect = false;
    focused.background = skin::MakeColour(9, 9, 9);
    RecordingText text;
    skin::PaintPushButton(target, {5, 5, 35, 25}, focused, s, text, kLook);
    EXPECT_EQ(target.At(20, 15), StateColour(6, 5));
    EXPECT_EQ(target.At(5, 5), MakePixel(9, 9, 9));  // the fill under the magenta
    EXPECT_EQ(target.At(4, 4), kBackground);
}

TEST(ControlComposition, DrawsComboBoxesByTheirButtonsStyle) {
    SkinDefinition s;
    Bitmap target(100, 21, kBackground);
    skin::PaintComboBox(target, {0, 0, 100, 21}, {}, s, kLook);
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
    skin::PaintComboBox(target, {0, 0, 100, 21}, {Look::Hot, false, false, {}}, s, kLook);
    EXPECT_EQ(target.At(95, 10), StateColour(7, 4));
    EXPECT_EQ(target.At(20, 10), kBackground);  // the edit field shows through
    skin::PaintComboBox(target, {0, 0, 100, 21}, {Look::Pressed, true, false, {}}, s, kLook);
    EXPECT_EQ(target.At(95, 10), StateColour(8, 2));  // right to left: the mirror

    // Any other style: the edge around a field that keeps its pixels, the
    // button over the strip at the end, the arrow glyph centred on it.
    s.ComboButton->Style = 0;
    s.ComboButton->Image = States(7, 4, 19, 21);
    s.ExtraImages = Object(9, 5, 9, 5);
    target = Bitmap(100, 21, kBackground);
    skin::PaintComboBox(target, {0, 0, 100, 21}, {Look::Normal, false, false, {17, 17, 0}}, s,
                        kLook);
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
    skin::StatusBarFacts bar;
    bar.panels = {{{0, 2, 100, 20}, skin::PanelBevel::Raised, true, ""},
                  {{102, 2, 200, 20}, skin::PanelBevel::None, true, "x", skin::TextAlign::Right}};
    bar.sizeGrip = true;
    skin::PaintStatusBar(target, {0, 0, 300, 20}, bar, s, text, kLook);
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
