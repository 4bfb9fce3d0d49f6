// The compositions of the skinned controls, on small skins whose every
// picture state has a colour of its own, so that a pixel tells which state
// of which picture was drawn where.
#include <gtest/gtest.h>

#include "skin_test_helpers.h"

#include <memory>
#include <vector>

#include "fixed_look.h"
#include "skin/arrow_button_look.h"
#include "skin/check_box_look.h"
#include "skin/combo_box_look.h"
#include "skin/control_border.h"
#include "skin/date_time_look.h"
#include "skin/focus_rect.h"
#include "skin/group_box_look.h"
#include "skin/header_look.h"
#include "skin/media_player_look.h"
#include "skin/progress_look.h"
#include "skin/push_button_look.h"
#include "skin/scroll_bar_window_look.h"
#include "skin/tab_look.h"
#include "skin/tool_bar_look.h"
#include "skin/track_bar_look.h"
#include "skin/up_down_look.h"
#include "test_skins.h"

using pixels::Bitmap;
using pixels::MakePixel;
using pixels::Pixel;
using skin::Look;
using skin::MakeColour;
using skin::Rect;
using skin::SkinDefinition;
using skin::TSkinObject;
using skintest::RecordingText;
using skintest::StateColour;
using skintest::States;

namespace {

const Pixel kBackground = MakePixel(50, 50, 50);
const Pixel kFace = MakePixel(1, 1, 1);
const Pixel kShadow = MakePixel(2, 2, 2);
const skintest::FixedLook kLook;
const skin::Colour kSystemShadow = 0x101010 + 16;

template <class Object = TSkinObject>
std::unique_ptr<Object> Object_(uint8_t tag, int states, int w, int h) {
    auto o = std::make_unique<Object>();
    o->Image = States(tag, states, w, h);
    o->Frame = states;
    return o;
}

SkinDefinition PlainSkin() {
    SkinDefinition s;
    s.Colours.ButtonFace = skin::PixelToColour(kFace);
    s.Colours.ButtonShadow = skin::PixelToColour(kShadow);
    s.Colours.ButtonDkShadow = MakeColour(3, 3, 3);
    s.Colours.ButtonText = MakeColour(4, 4, 4);
    s.Colours.Hilight = MakeColour(5, 5, 5);
    return s;
}

Pixel Inverted(Pixel p) {
    return p ^ 0xFFFFFF;
}

}  // namespace

TEST(ControlPainting, ComposesAPushButtonWithItsCaptionLinesAndFocusRectangle) {
    SkinDefinition s = PlainSkin();
    s.Buttons.Image = States(6, 5, 10, 10);
    s.Buttons.Frame = 5;
    skin::PushButtonFacts f;
    f.caption = "ab||cde";
    f.state.Focused = true;
    f.fontColour = MakeColour(7, 7, 7);
    f.background = s.Colours.ButtonFace;
    Bitmap target(60, 40, kBackground);
    RecordingText text;
    skin::PaintPushButton(target, {0, 0, 60, 40}, f, s, text, kLook);

    // Two lines, an 18 x 24 block centred on the button, each line centred
    // in the block.
    ASSERT_EQ(text.lines.size(), 2u);
    EXPECT_EQ(text.lines[0].box, (Rect{21, 8, 39, 20}));
    EXPECT_EQ(text.lines[0].text, "ab");
    EXPECT_EQ(text.lines[1].box, (Rect{21, 20, 39, 32}));
    EXPECT_EQ(text.lines[1].align, skin::TextAlign::Centre);
    EXPECT_EQ(text.lines[1].colour, MakeColour(7, 7, 7));
    // The focused face, dotted 2 pixels around the block.
    const Pixel face = StateColour(6, 5);
    EXPECT_EQ(target.At(30, 20), face);
    EXPECT_EQ(target.At(20, 6), Inverted(face));
    EXPECT_EQ(target.At(19, 6), face);
    EXPECT_EQ(target.At(19, 7), Inverted(face));
    EXPECT_EQ(target.At(39, 33), Inverted(face));
    EXPECT_EQ(target.At(40, 33), face);
    EXPECT_EQ(target.At(18, 6), face);

    // Without xoNoFocusRect's leave, no dots; without a caption, the dots
    // run 3 pixels inside the edge.
    f.focusRect = false;
    skin::PaintPushButton(target, {0, 0, 60, 40}, f, s, text, kLook);
    EXPECT_EQ(target.At(20, 6), face);
    f.focusRect = true;
    f.caption.clear();
    skin::PaintPushButton(target, {0, 0, 60, 40}, f, s, text, kLook);
    EXPECT_EQ(target.At(3, 3), Inverted(face));
    EXPECT_EQ(target.At(56, 36), Inverted(face));
    EXPECT_EQ(target.At(20, 6), face);
}

TEST(ControlPainting, DrawsAButtonsGlyphByItsStateAndItsDropDownArrow) {
    SkinDefinition s = PlainSkin();
    s.Buttons.Image = States(6, 5, 10, 10);
    s.Buttons.Frame = 5;
    // Two 4 x 4 states; the bottom-left pixel is the transparent colour.
    const Pixel key = MakePixel(0, 128, 128);
    Bitmap glyph = States(8, 2, 4, 4);
    glyph.At(0, 3) = glyph.At(4, 3) = key;
    skin::PushButtonFacts f;
    f.glyph = {&glyph, 2, key};
    f.background = s.Colours.ButtonFace;
    RecordingText text;
    Bitmap target(60, 40);
    const auto glyphPixel = [&](skin::ButtonState state) {
        f.state = state;
        skin::PaintPushButton(target, {0, 0, 60, 40}, f, s, text, kLook);
        return target.At(29, 19);  // the glyph stands at (28, 18)
    };
    EXPECT_EQ(glyphPixel({}), StateColour(8, 1));
    EXPECT_EQ(target.At(28, 21), StateColour(6, 1));  // the key lets the face show
    EXPECT_EQ(glyphPixel({false, false, false, false}), StateColour(8, 2));
    EXPECT_EQ(glyphPixel({true, false, false, true}), StateColour(8, 1));  // no down state
    f.glyph.count = 1;
    glyph = Bitmap(4, 4, MakePixel(10, 20, 30));
    EXPECT_EQ(glyphPixel({false, false, false, false}), MakePixel(20, 20, 20));  // greyed

    // A menu button: the arrow centred in the 16 pixels at its right end.
    skin::PushButtonFacts menu;
    menu.dropDown = true;
    menu.fontColour = MakeColour(7, 7, 7);
    skin::PaintPushButton(target, {0, 0, 60, 40}, menu, s, text, kLook);
    EXPECT_EQ(target.At(48, 18), MakePixel(7, 7, 7));
    EXPECT_EQ(target.At(51, 21), MakePixel(7, 7, 7));
    EXPECT_EQ(target.At(48, 21), StateColour(6, 1));
}

TEST(ControlPainting, SetsCheckBoxesAndRadioButtonsBesideTheirCaptions) {
    SkinDefinition s = PlainSkin();
    s.Buttons.CheckBoxImage = States(17, 8, 13, 13);
    s.Buttons.CheckButtonFrame = 8;
    skin::ToggleFacts f;
    f.caption = "abc";
    f.mark = skin::CheckMark::Checked;
    f.state.Hot = true;
    f.fontColour = MakeColour(7, 7, 7);
    Bitmap target(100, 20, kBackground);
    RecordingText text;
    skin::PaintToggleButton(target, {0, 0, 100, 20}, f, s, text, kLook);
    EXPECT_EQ(target.At(0, 3), StateColour(17, 8));  // checked and hot, centred
    EXPECT_EQ(target.At(0, 2), kFace);
    EXPECT_EQ(target.At(50, 1), kFace);
    ASSERT_EQ(text.lines.size(), 1u);
    EXPECT_EQ(text.lines[0].box, (Rect{17, 0, 100, 20}));
    EXPECT_EQ(text.lines[0].align, skin::TextAlign::Left);
    EXPECT_EQ(text.lines[0].colour, MakeColour(7, 7, 7));

    // Indeterminate: the checked box in its disabled look. The box at the
    // right, the caption right-aligned before it; a disabled caption in the
    // system's shadow; focus dots around the caption alone.
    f.mark = skin::CheckMark::Indeterminate;
    f.boxRight = true;
    f.state = {false, false, true, false};
    skin::PaintToggleButton(target, {0, 0, 100, 20}, f, s, text, kLook);
    EXPECT_EQ(target.At(87, 3), StateColour(17, 7));
    EXPECT_EQ(text.lines[1].box, (Rect{0, 0, 83, 20}));
    EXPECT_EQ(text.lines[1].align, skin::TextAlign::Right);
    EXPECT_EQ(text.lines[1].colour, kSystemShadow);
    // "abc" is 18 x 12, right-aligned at 83 and centred: dots from (63, 3).
    EXPECT_EQ(target.At(63, 3), Inverted(kFace));
    EXPECT_EQ(target.At(64, 3), kFace);
    EXPECT_EQ(target.At(84, 16), Inverted(kFace));
    EXPECT_EQ(target.At(84, 15), kFace);
    EXPECT_EQ(target.At(61, 3), kFace);

    EXPECT_FALSE(skin::ObjImageIsRadio(1));
    EXPECT_TRUE(skin::ObjImageIsRadio(2));
    EXPECT_FALSE(skin::ObjImageIsRadio(3));
}

TEST(ControlPainting, LeavesAComboBoxWhoseButtonIsHiddenAlone) {
    SkinDefinition s = PlainSkin();
    s.ComboButton = Object_<skin::TSkinBorderObject>(7, 4, 50, 21);
    s.ComboButton->Style = 2;
    Bitmap target(100, 21, kBackground);
    skin::ComboBoxFacts f;
    f.buttonHidden = true;
    skin::PaintComboBox(target, {0, 0, 100, 21}, f, s, kLook);
    EXPECT_EQ(target, Bitmap(100, 21, kBackground));
    f.buttonHidden = false;
    skin::PaintComboBox(target, {0, 0, 100, 21}, f, s, kLook);
    EXPECT_EQ(target.At(50, 10), StateColour(7, 1));
}

TEST(ControlPainting, ClearsTheBandABareGroupBoxPaintedItself) {
    const SkinDefinition s = PlainSkin();
    RecordingText text;  // 12 high: the line runs 6 down
    Bitmap framework(100, 50, kBackground), bare(100, 50, kBackground);
    skin::PaintGroupBox(framework, {0, 0, 100, 50}, s, "", 0, false, text, kLook);
    skin::PaintGroupBox(bare, {0, 0, 100, 50}, s, "", 0, true, text, kLook);
    EXPECT_EQ(framework.At(0, 20), kBackground);
    EXPECT_EQ(bare.At(0, 20), kFace);
    EXPECT_EQ(bare.At(99, 20), kFace);
    EXPECT_EQ(bare.At(50, 49), kFace);
    EXPECT_EQ(bare.At(50, 48), kShadow);  // the line over the band's inner ring
    EXPECT_EQ(bare.At(98, 20), kShadow);
    EXPECT_EQ(bare.At(1, 20), kShadow);
    EXPECT_EQ(bare.At(2, 20), kBackground);  // the inside stays
    EXPECT_EQ(bare.At(0, 5), kBackground);   // above the band
    EXPECT_EQ(bare.At(0, 6), kFace);
}

TEST(ControlPainting, DrawsBorderRingsAndTheDateTimePickersButton) {
    SkinDefinition s = PlainSkin();
    Bitmap target(20, 10, kBackground);
    skin::PaintControlBorder(target, {0, 0, 20, 10}, 2, s, kLook);
    EXPECT_EQ(target.At(0, 0), kShadow);
    EXPECT_EQ(target.At(19, 9), kShadow);
    EXPECT_EQ(target.At(1, 1), kFace);
    EXPECT_EQ(target.At(18, 5), kFace);
    EXPECT_EQ(target.At(2, 2), kBackground);
    Bitmap thin(20, 10, kBackground);
    skin::PaintControlBorder(thin, {0, 0, 20, 10}, 1, s, kLook);
    EXPECT_EQ(thin.At(0, 5), kShadow);
    EXPECT_EQ(thin.At(1, 5), kBackground);
    const std::array<Rect, 4> strips = skin::BorderStrips({0, 0, 20, 10}, 2);
    EXPECT_EQ(strips[0], (Rect{0, 0, 20, 2}));
    EXPECT_EQ(strips[1], (Rect{0, 8, 20, 10}));
    EXPECT_EQ(strips[2], (Rect{0, 2, 2, 8}));
    EXPECT_EQ(strips[3], (Rect{18, 2, 20, 8}));

    skin::DateTimeFacts f;
    EXPECT_EQ(skin::DateTimeButton({0, 0, 100, 21}, f), (Rect{81, 2, 98, 19}));
    f.rightToLeft = true;
    EXPECT_EQ(skin::DateTimeButton({0, 0, 100, 21}, f), (Rect{2, 2, 19, 19}));
    f.dropDown = false;
    EXPECT_TRUE(skin::DateTimeButton({0, 0, 100, 21}, f).Empty());

    s.ComboxArrow.Image = States(20, 4, 5, 5);
    s.ComboxArrow.Frame = 4;
    Bitmap picker(100, 21, kBackground);
    skin::DateTimeFacts hot;
    hot.look = Look::Hot;
    skin::PaintDateTimePicker(picker, {0, 0, 100, 21}, hot, s, kLook);
    EXPECT_EQ(picker.At(87, 8), StateColour(20, 4));
    EXPECT_EQ(picker.At(82, 3), kFace);
    EXPECT_EQ(picker.At(0, 0), kShadow);
    EXPECT_EQ(picker.At(50, 10), kBackground);
}

TEST(ControlPainting, TurnsTheComboArrowForArrowButtons) {
    SkinDefinition s = PlainSkin();
    const Pixel tip = MakePixel(9, 9, 9);
    s.ComboxArrow.Image = Bitmap(5, 5, MakePixel(8, 8, 8));
    s.ComboxArrow.Image.At(2, 4) = tip;  // pointing down
    s.ComboxArrow.Frame = 1;
    const struct {
        skin::ArrowDirection direction;
        int x, y;
    } rows[] = {{skin::ArrowDirection::Down, 4, 6},
                {skin::ArrowDirection::Up, 4, 2},
                {skin::ArrowDirection::Left, 2, 4},
                {skin::ArrowDirection::Right, 6, 4}};
    for (const auto& row : rows) {
        Bitmap target(9, 9, kBackground);
        skin::PaintArrowButton(target, {0, 0, 9, 9}, row.direction, Look::Normal, s, kLook);
        EXPECT_EQ(target.At(row.x, row.y), tip) << static_cast<int>(row.direction);
        EXPECT_EQ(target.At(0, 0), kFace);
    }
    // A button smaller than the arrow keeps it within itself.
    Bitmap target(9, 9, kBackground);
    skin::PaintArrowButton(target, {2, 2, 5, 5}, skin::ArrowDirection::Down, Look::Normal, s,
                           kLook);
    EXPECT_EQ(target.At(1, 3), kBackground);
    EXPECT_EQ(target.At(5, 3), kBackground);
    EXPECT_EQ(target.At(3, 5), kBackground);
}

TEST(ControlPainting, PaintsUpDownHalvesInTheirOwnLooks) {
    SkinDefinition s = PlainSkin();
    s.UpDownVert = Object_<skin::TSkinBorderObject>(21, 8, 6, 6);
    s.UpDownVert->Image2 = States(22, 8, 2, 2);
    skin::UpDownFacts f;
    f.hot = skin::UpDownHalf::First;
    f.pressed = skin::UpDownHalf::Second;
    Bitmap target(10, 20, kBackground);
    skin::PaintUpDown(target, {0, 0, 10, 20}, f, s, kLook);
    EXPECT_EQ(target.At(0, 0), StateColour(21, 4));   // hot up button
    EXPECT_EQ(target.At(4, 4), StateColour(22, 4));   // its arrow, centred
    EXPECT_EQ(target.At(0, 10), StateColour(21, 6));  // pressed down button
    EXPECT_EQ(target.At(5, 15), StateColour(22, 6));
    f.enabled = false;
    skin::PaintUpDown(target, {0, 0, 10, 20}, f, s, kLook);
    EXPECT_EQ(target.At(0, 0), StateColour(21, 3));
    EXPECT_EQ(target.At(0, 19), StateColour(21, 7));

    // Without a glyph picture: a small arrow in ButtonDkShadow, the up
    // arrow's point at the top.
    s.UpDownVert->Image2 = Bitmap();
    f = {};
    skin::PaintUpDown(target, {0, 0, 10, 20}, f, s, kLook);
    EXPECT_EQ(target.At(4, 3), MakePixel(3, 3, 3));
    EXPECT_EQ(target.At(1, 3), StateColour(21, 1));
    EXPECT_EQ(target.At(1, 6), MakePixel(3, 3, 3));
    // A horizontal pair the skin lacks: the face alone.
    f.horizontal = true;
    skin::PaintUpDown(target, {0, 0, 10, 20}, f, s, kLook);
    EXPECT_EQ(target.At(4, 4), kFace);

    EXPECT_EQ(skin::UpDownHalfAt({10, 20}, false, 5, 9), skin::UpDownHalf::First);
    EXPECT_EQ(skin::UpDownHalfAt({10, 20}, false, 5, 10), skin::UpDownHalf::Second);
    EXPECT_EQ(skin::UpDownHalfAt({20, 10}, true, 9, 5), skin::UpDownHalf::First);
    EXPECT_EQ(skin::UpDownHalfAt({20, 10}, true, 10, 5), skin::UpDownHalf::Second);
    EXPECT_EQ(skin::UpDownHalfAt({20, 10}, true, -1, 5), skin::UpDownHalf::None);
    EXPECT_EQ(skin::UpDownHalfPlace({0, 0, 10, 21}, false, skin::UpDownHalf::Second),
              (Rect{0, 10, 10, 21}));
}

TEST(ControlPainting, StandsTabsOnTheirPaneWithTheSelectedOneJoiningIt) {
    SkinDefinition s = PlainSkin();
    // Each tab state: four rows of its face over a 2-row edge.
    s.Tabs = std::make_unique<skin::TSkinBorderObject>();
    s.Tabs->Frame = 5;
    s.Tabs->BottomHeight = 2;
    s.Tabs->Image = Bitmap(40, 6);
    const auto faceOf = [](int state) { return MakePixel(30, static_cast<uint8_t>(state), 2); };
    const auto edgeOf = [](int state) { return MakePixel(30, static_cast<uint8_t>(state), 1); };
    for (int x = 0; x < 40; ++x) {
        for (int y = 0; y < 6; ++y)
            s.Tabs->Image.At(x, y) = y < 4 ? faceOf(x / 8 + 1) : edgeOf(x / 8 + 1);
    }
    s.Tabs->NormalColour2 = MakeColour(4, 4, 4);
    s.Tabs->MouseOverColour2 = MakeColour(5, 5, 5);
    s.Tabs->PressedColour2 = MakeColour(6, 6, 6);
    s.TabPane = Object_(24, 1, 8, 8);

    skin::TabStripFacts f;
    f.tabs = {{{2, 2, 32, 20}, "a"}, {{32, 2, 62, 20}, "b"}, {{62, 2, 92, 20}, "c"}};
    f.selected = 0;
    f.hot = 1;
    EXPECT_EQ(skin::TabPane({120, 60}, f), (Rect{0, 20, 120, 60}));
    EXPECT_EQ(skin::TabPlace(f, 0), (Rect{0, 0, 34, 21}));
    EXPECT_EQ(skin::TabPlace(f, 1), (Rect{32, 2, 62, 20}));

    Bitmap target(120, 60, kBackground);
    RecordingText text;
    skin::PaintTabControl(target, {0, 0, 120, 60}, f, s, text, kLook);
    EXPECT_EQ(target.At(100, 40), StateColour(24, 1));  // the pane
    EXPECT_EQ(target.At(100, 5), kBackground);          // beside the tabs
    EXPECT_EQ(target.At(40, 10), faceOf(4));            // hot
    EXPECT_EQ(target.At(70, 10), faceOf(1));
    EXPECT_EQ(target.At(70, 19), edgeOf(1));  // a tab stands on its edge
    EXPECT_EQ(target.At(33, 10), faceOf(2));  // the selected tab, over its neighbour
    EXPECT_EQ(target.At(10, 20), faceOf(2));  // open into the pane's first row
    EXPECT_EQ(target.At(40, 20), StateColour(24, 1));
    ASSERT_EQ(text.lines.size(), 3u);
    EXPECT_EQ(text.lines[0].colour, MakeColour(5, 5, 5));
    EXPECT_EQ(text.lines[1].colour, MakeColour(4, 4, 4));
    EXPECT_EQ(text.lines[2].text, "a");  // the selected tab comes last
    EXPECT_EQ(text.lines[2].box, (Rect{0, 0, 34, 21}));
    EXPECT_EQ(text.lines[2].colour, MakeColour(6, 6, 6));

    // Tabs at the bottom are turned over: their edge is at the top.
    f.side = skin::TabSide::Bottom;
    f.tabs = {{{2, 40, 32, 58}, "a"}, {{32, 40, 62, 58}, "b"}, {{62, 40, 92, 58}, "c"}};
    f.enabled = false;
    EXPECT_EQ(skin::TabPane({120, 60}, f), (Rect{0, 0, 120, 40}));
    EXPECT_EQ(skin::TabPlace(f, 0), (Rect{0, 39, 34, 60}));
    target = Bitmap(120, 60, kBackground);
    skin::PaintTabControl(target, {0, 0, 120, 60}, f, s, text, kLook);
    EXPECT_EQ(target.At(70, 40), edgeOf(3));
    EXPECT_EQ(target.At(70, 50), faceOf(3));
    EXPECT_EQ(target.At(10, 39), faceOf(3));
    EXPECT_EQ(text.lines.back().colour, kSystemShadow);

    // Without a pane picture: the face, framed in the shadow.
    s.TabPane.reset();
    f.side = skin::TabSide::Top;
    f.tabs.clear();
    skin::PaintTabControl(target, {0, 0, 120, 60}, f, s, text, kLook);
    EXPECT_EQ(target.At(0, 0), kShadow);
    EXPECT_EQ(target.At(60, 30), kFace);
}

TEST(ControlPainting, FillsProgressBarsInChunksOrSmoothly) {
    const Rect inside{0, 0, 100, 10};
    const struct {
        skin::ProgressFacts facts;
        Rect filled;
    } rows[] = {
        {{false, 45, 0, 100}, {0, 0, 45, 10}},
        {{false, -5, 0, 100}, {0, 0, 0, 10}},
        {{false, 200, 0, 100}, {0, 0, 100, 10}},
        {{false, 3, 3, 3}, {0, 0, 0, 10}},  // an empty range
        {{false, 0, -50, 50}, {0, 0, 50, 10}},
        {{true, 30, 0, 100}, {0, 7, 100, 10}},  // from the bottom
    };
    for (const auto& row : rows)
        EXPECT_EQ(skin::ProgressFilled(inside, row.facts), row.filled) << row.facts.position;
    EXPECT_EQ(skin::ProgressChunkLength({0, 0, 100, 12}, false), 8);
    EXPECT_EQ(skin::ProgressChunkLength({0, 0, 12, 100}, true), 8);
    EXPECT_EQ(skin::ProgressChunkLength({0, 0, 100, 2}, false), 2);

    SkinDefinition s = PlainSkin();
    s.Progress = Object_<skin::TSkinBorderObject>(25, 2, 6, 6);
    s.Progress->LeftWidth = s.Progress->TopHeight = s.Progress->RightWidth =
        s.Progress->BottomHeight = 1;
    EXPECT_EQ(skin::ProgressInside({0, 0, 100, 14}, s), (Rect{1, 1, 99, 13}));
    s.Progress->TopHeight = s.Progress->BottomHeight = 3;
    EXPECT_EQ(skin::ProgressInside({0, 0, 100, 6}, s),
              (Rect{1, 1, 99, 5}));  // margins leave nothing
    s.Progress->TopHeight = s.Progress->BottomHeight = 1;
    s.ProgressChunk = Object_(26, 2, 4, 4);

    // 98 x 12 inside, half full: chunks 8 long, 2 apart, until 49 is covered.
    Bitmap bar(100, 14, kBackground);
    skin::ProgressFacts f{false, 50, 0, 100, false};
    skin::PaintProgressBar(bar, {0, 0, 100, 14}, f, s, kLook);
    EXPECT_EQ(bar.At(2, 5), StateColour(26, 1));
    EXPECT_EQ(bar.At(9, 5), StateColour(25, 1));  // a gap shows the trough
    EXPECT_EQ(bar.At(11, 5), StateColour(26, 1));
    EXPECT_EQ(bar.At(48, 5), StateColour(26, 1));
    EXPECT_EQ(bar.At(49, 5), StateColour(25, 1));
    EXPECT_EQ(bar.At(0, 0), StateColour(25, 1));
    f.smooth = true;
    skin::PaintProgressBar(bar, {0, 0, 100, 14}, f, s, kLook);
    EXPECT_EQ(bar.At(9, 5), StateColour(26, 1));
    EXPECT_EQ(bar.At(49, 5), StateColour(26, 1));
    EXPECT_EQ(bar.At(50, 5), StateColour(25, 1));

    // Standing: the second states of both pictures, filled from the bottom.
    Bitmap standing(14, 100, kBackground);
    skin::PaintProgressBar(standing, {0, 0, 14, 100}, {true, 50, 0, 100, false}, s, kLook);
    EXPECT_EQ(standing.At(5, 95), StateColour(26, 2));
    EXPECT_EQ(standing.At(5, 90), StateColour(25, 2));
    EXPECT_EQ(standing.At(5, 40), StateColour(25, 2));

    // Without a chunk picture the filled part is the Hilight colour.
    s.ProgressChunk.reset();
    skin::PaintProgressBar(bar, {0, 0, 100, 14}, {false, 50, 0, 100, true}, s, kLook);
    EXPECT_EQ(bar.At(20, 5), MakePixel(5, 5, 5));
}

TEST(ControlPainting, PicksTrackBarThumbsByTheirTicksAndCentresTheChannel) {
    SkinDefinition s = PlainSkin();
    s.TrackbarThumbHorz = Object_(31, 5, 4, 4);
    s.TrackbarThumbVert = Object_(32, 5, 4, 4);
    s.TrackbarThumbUp = Object_(33, 5, 4, 4);
    s.TrackbarThumbDown = Object_(34, 5, 4, 4);
    s.TrackbarThumbLeft = Object_(35, 5, 4, 4);
    s.TrackbarThumbRight = Object_(36, 5, 4, 4);
    const struct {
        bool vertical, topLeft, both;
        const TSkinObject* thumb;
    } rows[] = {
        {false, false, false, s.TrackbarThumbDown.get()},
        {false, true, false, s.TrackbarThumbUp.get()},
        {false, false, true, s.TrackbarThumbHorz.get()},
        {true, false, false, s.TrackbarThumbRight.get()},
        {true, true, false, s.TrackbarThumbLeft.get()},
        {true, true, true, s.TrackbarThumbVert.get()},
    };
    for (const auto& row : rows) {
        skin::TrackBarFacts f;
        f.vertical = row.vertical;
        f.ticksTopLeft = row.topLeft;
        f.ticksBoth = row.both;
        EXPECT_EQ(skin::TrackThumbPicture(f, s), row.thumb)
            << row.vertical << row.topLeft << row.both;
    }
    s.TrackbarThumbDown.reset();
    EXPECT_EQ(skin::TrackThumbPicture({}, s), s.TrackbarThumbHorz.get());

    s.Track = Object_(37, 1, 20, 8);
    s.TrackVert = Object_(38, 1, 8, 20);
    skin::TrackBarFacts f;
    f.channel = {8, 10, 152, 14};
    f.thumb = {60, 2, 71, 22};
    f.ticks = {44, 80, 116};
    f.thumbState.Pressed = true;
    f.background = MakeColour(7, 7, 7);
    EXPECT_EQ(skin::TrackChannel(f, s), (Rect{8, 8, 152, 16}));
    EXPECT_EQ(skin::TrackTicks(f), (std::vector<int>{13, 44, 80, 116, 146}));

    Bitmap target(160, 30, kBackground);
    skin::PaintTrackBar(target, {0, 0, 160, 30}, f, s, kLook);
    EXPECT_EQ(target.At(0, 0), MakePixel(7, 7, 7));
    EXPECT_EQ(target.At(30, 12), StateColour(37, 1));
    EXPECT_EQ(target.At(65, 10), StateColour(31, 2));  // the plain thumb, pressed
    EXPECT_EQ(target.At(44, 23), MakePixel(7, 7, 7));
    EXPECT_EQ(target.At(44, 24), kShadow);  // ticks below, 2 off the thumb
    EXPECT_EQ(target.At(44, 26), kShadow);
    EXPECT_EQ(target.At(44, 27), MakePixel(7, 7, 7));
    EXPECT_EQ(target.At(146, 25), kShadow);
    EXPECT_EQ(target.At(45, 25), MakePixel(7, 7, 7));
    f.noTicks = true;
    skin::PaintTrackBar(target, {0, 0, 160, 30}, f, s, kLook);
    EXPECT_EQ(target.At(44, 25), MakePixel(7, 7, 7));

    skin::TrackBarFacts standing;
    standing.vertical = true;
    standing.ticksBoth = true;
    standing.channel = {13, 8, 17, 100};
    standing.thumb = {5, 30, 25, 41};
    EXPECT_EQ(skin::TrackChannel(standing, s), (Rect{11, 8, 19, 100}));
    Bitmap tall(30, 108, kBackground);
    skin::PaintTrackBar(tall, {0, 0, 30, 108}, standing, s, kLook);
    EXPECT_EQ(tall.At(0, 13), kShadow);   // both sides: 5 - 2 - 3 = 0 ...
    EXPECT_EQ(tall.At(27, 13), kShadow);  // ... and 25 + 2
    EXPECT_EQ(tall.At(15, 35), StateColour(32, 1));
    EXPECT_EQ(tall.At(15, 60), StateColour(38, 1));
}

TEST(ControlPainting, DrawsHeaderSectionsAndTheRoomAfterThem) {
    SkinDefinition s = PlainSkin();
    skin::HeaderFacts f;
    f.sections = {{{0, 0, 50, 20}, "x"}, {{50, 0, 100, 20}, "y", skin::TextAlign::Right}};
    f.pressed = 1;
    Bitmap target(150, 20, kBackground);
    RecordingText text;
    skin::PaintHeader(target, {0, 0, 150, 20}, f, s, text, kLook);
    EXPECT_EQ(target.At(10, 10), kBackground);  // no Headerbar: nothing
    EXPECT_TRUE(text.lines.empty());

    s.Headerbar = Object_(27, 5, 6, 6);
    s.Headerbar->PressedColour2 = MakeColour(6, 6, 6);
    skin::PaintHeader(target, {0, 0, 150, 20}, f, s, text, kLook);
    EXPECT_EQ(target.At(10, 10), StateColour(27, 1));
    EXPECT_EQ(target.At(60, 10), StateColour(27, 2));
    EXPECT_EQ(target.At(120, 10), StateColour(27, 1));
    ASSERT_EQ(text.lines.size(), 2u);
    EXPECT_EQ(text.lines[0].box, (Rect{6, 0, 44, 20}));
    EXPECT_EQ(text.lines[1].align, skin::TextAlign::Right);
    EXPECT_EQ(text.lines[1].colour, MakeColour(6, 6, 6));
    f.enabled = false;
    skin::PaintHeader(target, {0, 0, 150, 20}, f, s, text, kLook);
    EXPECT_EQ(target.At(120, 10), StateColour(27, 3));
    EXPECT_EQ(text.lines.back().colour, kSystemShadow);
}

TEST(ControlPainting, DrawsTheThumbOnlyWithinItsBarAndSizeBoxesWithTheGrip) {
    SkinDefinition s = PlainSkin();
    s.Scrollbar = Object_(10, 23, 17, 17);
    s.VertScroll = Object_(11, 4, 17, 24);
    s.VertScrollThumb = Object_(12, 3, 17, 24);
    Bitmap bar(17, 100, kBackground);
    skin::ScrollBarState state;
    state.ThumbStart = 90;
    state.ThumbEnd = 110;  // past the bar's end
    skin::PaintScrollBar(bar, {0, 0, 17, 100}, s, state, 17, kLook);
    EXPECT_EQ(bar.At(8, 85), StateColour(10, 13));  // the arrow stays
    EXPECT_EQ(bar.At(8, 50), StateColour(11, 1));

    EXPECT_EQ(skin::ScrollCorner({83, 0, 100, 80}, {0, 80, 83, 97}), (Rect{83, 80, 100, 97}));
    Bitmap corner(20, 20, kBackground);
    skin::PaintScrollCorner(corner, {3, 3, 20, 20}, s, kLook);
    EXPECT_EQ(corner.At(3, 3), kFace);
    EXPECT_EQ(corner.At(2, 3), kBackground);

    s.ExtraImages = Object_(28, 5, 4, 4);
    skin::ScrollBarWindowFacts box;
    box.sizeBox = box.sizeGrip = true;
    Bitmap sizer(17, 17, kBackground);
    skin::PaintScrollBarWindow(sizer, {0, 0, 17, 17}, box, s, kLook);
    EXPECT_EQ(sizer.At(12, 12), StateColour(28, 5));
    EXPECT_EQ(sizer.At(15, 15), StateColour(28, 5));
    EXPECT_EQ(sizer.At(16, 16), kFace);
    EXPECT_EQ(sizer.At(11, 11), kFace);
    box.sizeGrip = false;
    skin::PaintScrollBarWindow(sizer, {0, 0, 17, 17}, box, s, kLook);
    EXPECT_EQ(sizer.At(12, 12), kFace);
    // A scroll bar control is drawn as the overlays are.
    box.sizeBox = false;
    Bitmap control(17, 100, kBackground);
    skin::PaintScrollBarWindow(control, {0, 0, 17, 100}, box, s, kLook);
    EXPECT_EQ(control.At(8, 8), StateColour(10, 9));
}

TEST(ControlPainting, DrawsToolButtonFacesInsetAndTheBarsGradient) {
    SkinDefinition s = PlainSkin();
    s.Buttons.Image = States(6, 5, 10, 10);
    s.Buttons.Frame = 5;
    Bitmap target(20, 20, kBackground);
    skin::PaintToolButton(target, {0, 0, 20, 20}, Look::Hot, s);
    EXPECT_EQ(target.At(0, 0), kBackground);
    EXPECT_EQ(target.At(1, 1), StateColour(6, 4));
    EXPECT_EQ(target.At(18, 18), StateColour(6, 4));
    EXPECT_EQ(target.At(19, 19), kBackground);

    s.Toolbar.Image = Bitmap(10, 40);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 10; ++x)
            s.Toolbar.Image.At(x, y) = MakePixel(static_cast<uint8_t>(y), 0, 0);
    }
    Bitmap bar(40, 80, kBackground);
    skin::PaintToolBarBackground(bar, {0, 0, 40, 80}, s);
    EXPECT_EQ(bar.At(0, 0), MakePixel(0, 0, 0));
    EXPECT_EQ(bar.At(39, 41), MakePixel(20, 0, 0));
    EXPECT_EQ(bar.At(20, 79), MakePixel(39, 0, 0));
}

TEST(ControlPainting, SharesAMediaPlayersBarAmongItsButtons) {
    EXPECT_EQ(skin::MediaButtonPlace(100, 20, 3, 0), (Rect{0, 0, 33, 20}));
    EXPECT_EQ(skin::MediaButtonPlace(100, 20, 3, 1), (Rect{33, 0, 66, 20}));
    EXPECT_EQ(skin::MediaButtonPlace(100, 20, 3, 2), (Rect{66, 0, 100, 20}));
    EXPECT_EQ(skin::MediaButtonAt(100, 3, 32), 0);
    EXPECT_EQ(skin::MediaButtonAt(100, 3, 33), 1);
    EXPECT_EQ(skin::MediaButtonAt(100, 3, 99), 2);
    EXPECT_EQ(skin::MediaButtonAt(100, 3, 100), -1);
    EXPECT_EQ(skin::MediaButtonAt(100, 3, -1), -1);
    EXPECT_EQ(skin::MediaButtonAt(100, 0, 10), -1);

    SkinDefinition s = PlainSkin();
    s.Buttons.Image = States(6, 5, 10, 10);
    s.Buttons.Frame = 5;
    skin::MediaPlayerFacts f;
    f.buttons = {{skin::SmallGlyph::Stop, true}, {skin::SmallGlyph::Stop, false}};
    f.pressed = 0;
    Bitmap target(66, 20, kBackground);
    skin::PaintMediaPlayer(target, {0, 0, 66, 20}, f, s, kLook);
    EXPECT_EQ(target.At(1, 1), StateColour(6, 2));
    EXPECT_EQ(target.At(16, 9), MakePixel(4, 4, 4));  // the sign, centred
    EXPECT_EQ(target.At(34, 1), StateColour(6, 3));
    EXPECT_EQ(target.At(49, 9), kShadow);
}

TEST(ControlPainting, DotsFocusRectanglesAlikeAndOnlyWithinTheClip) {
    Bitmap ring(6, 4);
    skin::DrawFocusRect(ring, {0, 0, 6, 4}, {0, 0, 6, 4});
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            const bool dotted = (x + y) % 2 == 0 && (y == 0 || y == 3 || x == 0 || x == 5);
            EXPECT_EQ(ring.At(x, y), dotted ? 0xFFFFFFu : 0u) << x << "," << y;
        }
    }
    // A ring one pixel high inverts each pixel once.
    Bitmap line(4, 1);
    skin::DrawFocusRect(line, {0, 0, 4, 1}, {0, 0, 2, 1});
    EXPECT_EQ(line.At(0, 0), 0xFFFFFFu);
    EXPECT_EQ(line.At(2, 0), 0u);  // outside the clip
}
