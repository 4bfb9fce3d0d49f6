// The decisions the window half asks of the skin code before it paints a
// control: which member serves a bare window, whether the skin has the
// pictures, where glyphs, captions and panels go, and how the user's
// messages change a control's state.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "skin/bare_window_class.h"
#include "skin/button_layout.h"
#include "skin/caption_lines.h"
#include "skin/control_border.h"
#include "skin/member_pictures.h"
#include "skin/push_button_tracker.h"
#include "skin/scroll_bar_look.h"
#include "skin/scroll_overlay_tracker.h"
#include "skin/status_bar_look.h"
#include "skin/tool_bar_look.h"
#include "test_skins.h"

using skin::BareWindowChoice;
using skin::ButtonInput;
using skin::ButtonReaction;
using skin::Look;
using skin::Rect;
using skin::ScrollPart;
using skin::SkinnedControlKind;
using skintest::States;

namespace {

BareWindowChoice Member(SkinnedControlKind m) {
    return {m, false, false, false};
}

}  // namespace

TEST(ControlDecisions, ClassifiesBareWindowsByClassAndStyleFirstMatchFirst) {
    const BareWindowChoice none;
    const struct {
        const char* className;
        uint32_t style;
        BareWindowChoice expected;
    } rows[] = {
        {"Button", 0x50010000, Member(SkinnedControlKind::TSkinButton)},  // push button, any case
        {"button", 0x1, Member(SkinnedControlKind::TSkinButton)},         // default push button
        {"button", 0xB, none},                                            // owner-drawn
        {"button", 0x7, none},                                            // group box
        {"button", 0x80, none},                                           // bitmap
        {"button", 0x40, none},                                           // icon
        {"button", 0x83, none},  // a check box with a bitmap
        {"button", 0x2, Member(SkinnedControlKind::TSkinCheckBox)},
        {"button", 0x3, Member(SkinnedControlKind::TSkinCheckBox)},
        {"button", 0x5, Member(SkinnedControlKind::TSkinCheckBox)},
        {"button", 0x6, Member(SkinnedControlKind::TSkinCheckBox)},
        {"button", 0x23, Member(SkinnedControlKind::TSkinCheckBox)},  // text at the left
        {"button", 0x4, Member(SkinnedControlKind::TSkinRadioButton)},
        {"button", 0x9, Member(SkinnedControlKind::TSkinRadioButton)},
        {"button", 0xC, Member(SkinnedControlKind::TSkinMenuButton)},  // split buttons
        {"button", 0xD, Member(SkinnedControlKind::TSkinMenuButton)},
        {"button", 0xE, none},  // command links keep their notes
        {"button", 0xA, Member(SkinnedControlKind::TSkinButton)},
        {"ComboBox", 0x2, Member(SkinnedControlKind::TSkinComBox)},  // drop-down
        {"combobox", 0x3, Member(SkinnedControlKind::TSkinComBox)},  // drop-down list
        {"combobox", 0x1, none},                                     // simple
        {"ComboBoxEx32", 0, {SkinnedControlKind::TSkinComBox, true, false, false}},
        {"ScrollBar", 0x10, Member(SkinnedControlKind::TSkinSizer)},
        {"scrollbar", 0x10000, none},
        {"SysTreeView32", 0, none},
        {"#32770", 0x40000000, {SkinnedControlKind::TSkinBoxH, false, true, false}},
        {"#32770", 0x10000, none},
        {"TPanel", 0, {SkinnedControlKind::None, false, true, true}},
        {"TTntPanel.UnicodeClass", 0, {SkinnedControlKind::None, false, true, true}},
        {"TTntSilentPaintPanel.UnicodeClass", 0, {SkinnedControlKind::None, false, true, true}},
        {"TSilentPaintPanel", 0, {SkinnedControlKind::None, false, false, true}},
        {"TCheckBox", 0, Member(SkinnedControlKind::TSkinCheckBox)},
        {"TComboBox", 0, Member(SkinnedControlKind::TSkinComBox)},
        {"TButton", 0, Member(SkinnedControlKind::TSkinButton)},
        {"TProgressBar", 0, Member(SkinnedControlKind::TSkinProgress)},
        {"SysTabControl32", 0, Member(SkinnedControlKind::TSkinTab)},
        {"SysTabControl32", 0x2000, none},
        {"Edit", 0x800000, Member(SkinnedControlKind::TSkinEdit)},
        {"Static", 0, none},
        {"SysListView32", 0, none},
        {"buttons", 0, none},  // whole names only
    };
    for (const auto& row : rows) {
        EXPECT_EQ(skin::ClassifyBareWindow({row.className, row.style, false}), row.expected)
            << row.className << " " << std::hex << row.style;
    }
    // A window that already has its skinned-control object gets nothing.
    EXPECT_EQ(skin::ClassifyBareWindow({"button", 0, true}), none);
    EXPECT_EQ(skin::ClassifyBareWindow({"tpanel", 0, true}), none);
}

TEST(ControlDecisions, KeepsTheOrdinaryLookWhereTheSkinLacksAMembersPictures) {
    skin::SkinDefinition bare;
    skin::SkinDefinition full;
    full.Buttons.Image = States(1, 5, 4, 4);
    full.Buttons.CheckBoxImage = States(2, 8, 4, 4);
    full.Scrollbar = std::make_unique<skin::TSkinObject>();
    full.Scrollbar->Image = States(3, 23, 4, 4);
    full.UpDownVert = std::make_unique<skin::TSkinBorderObject>();
    full.UpDownVert->Image = States(4, 8, 4, 4);
    full.Track = std::make_unique<skin::TSkinObject>();
    full.Track->Image = States(5, 1, 4, 4);
    full.TrackbarThumbHorz = std::make_unique<skin::TSkinObject>();  // with an empty picture
    full.Tabs = std::make_unique<skin::TSkinBorderObject>();
    full.Tabs->Image = States(6, 5, 4, 4);

    const struct {
        skin::MemberFacts facts;
        bool withBare;
        bool withFull;
    } rows[] = {
        {{SkinnedControlKind::TSkinButton}, false, true},
        {{SkinnedControlKind::TSkinMenuButton}, false, true},
        {{SkinnedControlKind::TSkinMP}, false, true},
        {{SkinnedControlKind::TSkinCheckBox}, false, true},
        {{SkinnedControlKind::TSkinRadioButton}, false, false},
        {{SkinnedControlKind::TSkinObjImage, false, 1}, false, true},   // a check box
        {{SkinnedControlKind::TSkinObjImage, false, 2}, false, false},  // a radio button
        {{SkinnedControlKind::TSkinComBox}, false, false},
        {{SkinnedControlKind::TSkinUpDown, true}, false, true},
        {{SkinnedControlKind::TSkinUpDown, false}, false, false},
        {{SkinnedControlKind::TSkinTrackBar, false}, false, false},  // its thumb is missing
        {{SkinnedControlKind::TSkinTab}, false, true},
        {{SkinnedControlKind::TSkinTab31}, false, true},
        {{SkinnedControlKind::TSkinHeader}, false, false},
        {{SkinnedControlKind::TSkinProgress}, false, false},
        {{SkinnedControlKind::TSkinScrollbar}, false, true},
        {{SkinnedControlKind::TSkinListView}, false, true},
        {{SkinnedControlKind::TSkinSizer, false, 1, true}, true, true},  // a size box
        {{SkinnedControlKind::TSkinSizer, false, 1, false}, false, true},
        {{SkinnedControlKind::TSkinEdit}, true, true},
        {{SkinnedControlKind::TSkinGroupBox}, true, true},
        {{SkinnedControlKind::TSkinStatusBar}, true, true},
        {{SkinnedControlKind::TSkinBoxH}, true, true},
        {{SkinnedControlKind::None}, false, false},
    };
    for (const auto& row : rows) {
        const int member = static_cast<int>(row.facts.member);
        EXPECT_EQ(skin::SkinDrawsMember(row.facts, bare), row.withBare) << member;
        EXPECT_EQ(skin::SkinDrawsMember(row.facts, full), row.withFull) << member;
    }
    full.TrackbarThumbHorz->Image = States(7, 5, 4, 4);
    EXPECT_TRUE(skin::SkinDrawsMember({SkinnedControlKind::TSkinTrackBar}, full));
}

TEST(ControlDecisions, PlacesGlyphAndCaptionAsTheBitButtonDoes) {
    using skin::GlyphLayout;
    const skin::Size glyph{16, 16}, text{24, 12};
    const struct {
        const char* what;
        skin::ButtonLayoutFacts facts;
        Rect glyph;
        Rect text;
    } rows[] = {
        {"caption alone, centred", {{80, 25}, {}, text}, {28, 13, 28, 13}, {28, 7, 52, 19}},
        {"centred group", {{90, 28}, glyph, text}, {23, 6, 39, 22}, {43, 8, 67, 20}},
        {"thirds",
         {{90, 28}, glyph, text, GlyphLayout::Left, -1, -1},
         {16, 6, 32, 22},
         {48, 8, 72, 20}},
        {"margin given, caption in the rest",
         {{90, 28}, glyph, text, GlyphLayout::Right, 5, -1},
         {69, 6, 85, 22},
         {23, 8, 47, 20}},
        {"glyph on top",
         {{60, 44}, glyph, text, GlyphLayout::Top},
         {22, 6, 38, 22},
         {18, 26, 42, 38}},
        {"glyph below",
         {{60, 44}, glyph, text, GlyphLayout::Bottom, 2, 3},
         {22, 26, 38, 42},
         {18, 11, 42, 23}},
        {"right to left",
         {{90, 28}, glyph, text, GlyphLayout::Left, -1, 4, true},
         {51, 6, 67, 22},
         {23, 8, 47, 20}},
    };
    for (const auto& row : rows) {
        const skin::ButtonContent c = skin::LayOutButton(row.facts);
        EXPECT_EQ(c.glyph, row.glyph) << row.what;
        EXPECT_EQ(c.text, row.text) << row.what;
    }
}

TEST(ControlDecisions, BreaksCaptionsAtDoubleBars) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(skin::CaptionLines(""), Lines{});
    EXPECT_EQ(skin::CaptionLines("确定"), Lines{"确定"});
    EXPECT_EQ(skin::CaptionLines("第一行||第二行"), (Lines{"第一行", "第二行"}));
    EXPECT_EQ(skin::CaptionLines("a||||b"), (Lines{"a", "", "b"}));
    EXPECT_EQ(skin::CaptionLines("a|b||"), (Lines{"a|b", ""}));
}

TEST(ControlDecisions, FollowsAPushButtonThroughTheUsersMessages) {
    using I = ButtonInput;
    skin::PushButtonTracker t;
    const ButtonReaction nothing;
    const ButtonReaction repaint{false, false, true, false};

    // The pointer comes over, the button goes down (taking the focus) and
    // comes up; a second move over it changes nothing.
    EXPECT_EQ(t.On(I::PointerMove, false, true), (ButtonReaction{false, false, true, true}));
    EXPECT_EQ(t.On(I::PointerMove, false, true), nothing);
    EXPECT_EQ(t.On(I::ButtonDown, false, true), (ButtonReaction{true, true, true, false}));
    EXPECT_EQ(skin::PushButtonLook(t.State(true, true)), Look::Pressed);
    EXPECT_EQ(t.On(I::ButtonUp, true, true), (ButtonReaction{false, true, true, false}));
    EXPECT_EQ(skin::PushButtonLook(t.State(true, true)), Look::Hot);
    EXPECT_EQ(t.On(I::ButtonUp, true, true), nothing);  // not pressed: the control alone

    // Space pressed and released on the focused button.
    EXPECT_EQ(t.On(I::PointerLeave, true, true), repaint);
    EXPECT_EQ(skin::PushButtonLook(t.State(true, true)), Look::Focused);
    EXPECT_EQ(t.On(I::SpaceDown, true, true), repaint);
    EXPECT_EQ(skin::PushButtonLook(t.State(true, true)), Look::Pressed);
    EXPECT_EQ(t.On(I::SpaceUp, true, true), repaint);
    EXPECT_EQ(skin::PushButtonLook(t.State(true, true)), Look::Focused);

    // Leaving ends a press; a focused button that is pressed again keeps
    // its focus.
    EXPECT_EQ(t.On(I::ButtonDown, true, true).takeFocus, false);
    t.On(I::PointerLeave, true, true);
    EXPECT_EQ(skin::PushButtonLook(t.State(false, true)), Look::Normal);

    // A disabled button never turns hot, and comes back from being disabled
    // neither hot nor pressed.
    t.On(I::PointerMove, false, true);
    t.On(I::SpaceDown, false, true);
    EXPECT_EQ(t.On(I::EnabledChanged, false, false), repaint);
    EXPECT_EQ(skin::PushButtonLook(t.State(false, false)), Look::Disabled);
    EXPECT_EQ(t.On(I::PointerMove, false, false), nothing);
    EXPECT_EQ(t.On(I::EnabledChanged, false, true), repaint);
    EXPECT_EQ(skin::PushButtonLook(t.State(false, true)), Look::Normal);

    EXPECT_EQ(t.On(I::FocusChanged, true, true), repaint);
    EXPECT_EQ(t.On(I::TextChanged, true, true), repaint);
}

TEST(ControlDecisions, FindsScrollPartsWithArrowsHalvedOnShortBars) {
    EXPECT_EQ(skin::ArrowLength(100, 17), 17);
    EXPECT_EQ(skin::ArrowLength(34, 17), 17);
    EXPECT_EQ(skin::ArrowLength(33, 17), 16);
    EXPECT_EQ(skin::ArrowLength(21, 17), 10);
    // A bar 21 long with no room for a thumb: each arrow takes half.
    EXPECT_EQ(skin::ScrollPartAt(9, 21, 17, 0, 0), ScrollPart::LineUp);
    EXPECT_EQ(skin::ScrollPartAt(11, 21, 17, 0, 0), ScrollPart::LineDown);
    EXPECT_EQ(skin::ScrollPartAt(-1, 100, 17, 40, 60), ScrollPart::None);
    EXPECT_EQ(skin::ScrollPartAt(100, 100, 17, 40, 60), ScrollPart::None);

    // The dragged thumb stays between the arrows.
    const struct {
        int start, travel, expected;
    } drags[] = {{40, 10, 50}, {40, -30, 17}, {40, 100, 63}, {17, 0, 17}};
    for (const auto& d : drags)
        EXPECT_EQ(skin::DraggedThumbStart(d.start, d.travel, 100, 17, 20), d.expected) << d.travel;
    // A thumb longer than the room left stays at the first arrow.
    EXPECT_EQ(skin::DraggedThumbStart(17, 5, 100, 17, 80), 17);
}

TEST(ControlDecisions, FollowsAScrollOverlayThroughTheUsersMessages) {
    const skin::ScrollBarGeometry bar{100, 17, 40, 60};
    skin::ScrollOverlayTracker t;
    EXPECT_TRUE(t.PointerMove(5, bar));
    EXPECT_EQ(t.Hot(), ScrollPart::LineUp);
    EXPECT_FALSE(t.PointerMove(10, bar));  // the same part: no repaint
    EXPECT_TRUE(t.PointerMove(45, bar));
    EXPECT_EQ(t.Hot(), ScrollPart::Thumb);

    // Dragging the thumb: it follows the pointer and stops at the arrow.
    t.ButtonDown(45, bar);
    EXPECT_EQ(t.Pressed(), ScrollPart::Thumb);
    skin::ScrollBarState s = t.PaintState(true, true, bar, 55);
    EXPECT_EQ(s.ThumbStart, 50);
    EXPECT_EQ(s.ThumbEnd, 70);
    s = t.PaintState(true, true, bar, 95);
    EXPECT_EQ(s.ThumbStart, 63);
    EXPECT_EQ(s.ThumbEnd, 83);
    EXPECT_FALSE(t.PointerLeave(true));  // leaving while the button is down keeps the part
    EXPECT_EQ(t.Hot(), ScrollPart::Thumb);
    t.ScrollRequest(5);  // the thumb's tracking
    t.TrackingEnded();
    EXPECT_EQ(t.Pressed(), ScrollPart::None);
    s = t.PaintState(false, false, bar, 95);  // the reported thumb again
    EXPECT_EQ(s.ThumbStart, 40);
    EXPECT_FALSE(s.Vertical);
    EXPECT_FALSE(s.Enabled);
    EXPECT_TRUE(t.PointerLeave(false));
    EXPECT_EQ(t.Hot(), ScrollPart::None);

    // Pressing a page area does not move the thumb; scroll requests name
    // their parts, the end of a scroll none.
    t.ButtonDown(80, bar);
    EXPECT_EQ(t.Pressed(), ScrollPart::PageDown);
    EXPECT_EQ(t.PaintState(true, true, bar, 20).ThumbStart, 40);
    const struct {
        int code;
        ScrollPart part;
    } requests[] = {{0, ScrollPart::LineUp},   {1, ScrollPart::LineDown}, {2, ScrollPart::PageUp},
                    {3, ScrollPart::PageDown}, {5, ScrollPart::Thumb},    {4, ScrollPart::None},
                    {8, ScrollPart::None}};
    for (const auto& r : requests) {
        t.ScrollRequest(r.code);
        EXPECT_EQ(t.Hot(), r.part) << r.code;
    }
}

TEST(ControlDecisions, LaysStatusPanelsOutToTheBarsEnd) {
    std::vector<skin::StatusPanel> panels(3);
    panels[0].place = {0, 2, 100, 19};
    panels[1].place = {102, 2, 200, 19};
    panels[2].place = {202, 2, 250, 19};
    EXPECT_EQ(skin::StatusPanelPlaces(panels, 300),
              (std::vector<Rect>{{0, 2, 102, 19}, {102, 2, 202, 19}, {202, 2, 300, 19}}));
    EXPECT_EQ(skin::StatusPanelPlaces({panels[0]}, 80), (std::vector<Rect>{{0, 2, 80, 19}}));
    EXPECT_TRUE(skin::StatusPanelPlaces({}, 80).empty());

    EXPECT_EQ(skin::StatusBevelSlice(skin::PanelBevel::Lowered), 1);
    EXPECT_EQ(skin::StatusBevelSlice(skin::PanelBevel::Raised), 2);
    EXPECT_EQ(skin::StatusBevelSlice(skin::PanelBevel::None), 3);

    using skin::TextAlign;
    EXPECT_EQ(skin::PanelTextAlign(TextAlign::Left, true), TextAlign::Right);
    EXPECT_EQ(skin::PanelTextAlign(TextAlign::Right, true), TextAlign::Left);
    EXPECT_EQ(skin::PanelTextAlign(TextAlign::Centre, true), TextAlign::Centre);
    EXPECT_EQ(skin::PanelTextAlign(TextAlign::Right, false), TextAlign::Right);
}

TEST(ControlDecisions, GivesToolButtonsTheirLooksButNotWhenDisabled) {
    skin::SkinDefinition s;
    s.Buttons.Image = States(1, 5, 4, 4);
    using State = skin::ToolButtonState;
    const struct {
        State state;
        std::optional<Look> look;
    } rows[] = {
        {{}, Look::Normal},
        {{true}, Look::Pressed},
        {{false, true}, Look::Pressed},  // a checked button stays down
        {{false, false, true}, Look::Hot},
        {{false, false, false, true}, Look::Hot},  // focused
        {{true, false, true}, Look::Pressed},
        {{false, false, false, false, true}, std::nullopt},        // greyed
        {{false, false, true, false, false, true}, std::nullopt},  // disabled
    };
    for (const auto& row : rows)
        EXPECT_EQ(skin::ToolButtonLook(row.state, s), row.look);
    EXPECT_EQ(skin::ToolButtonLook({}, skin::SkinDefinition()), std::nullopt);

    // The bar's gradient only without xoToolbarBK.
    s.Toolbar.Image = pixels::Bitmap(10, 40);
    EXPECT_TRUE(skin::ToolBarGetsGradient(s, false));
    EXPECT_FALSE(skin::ToolBarGetsGradient(s, true));
    EXPECT_FALSE(skin::ToolBarGetsGradient(skin::SkinDefinition(), false));
}

TEST(ControlDecisions, DecidesBackgroundsAndBorders) {
    skin::SkinDefinition s;
    s.Colours.ButtonFace = skin::MakeColour(1, 2, 3);
    const skin::Colour parent = skin::MakeColour(9, 9, 9);
    const struct {
        skin::ButtonBackgroundFacts facts;
        skin::Colour expected;
    } rows[] = {
        {{0, false, "TButton", parent}, skin::MakeColour(1, 2, 3)},
        {{5555, false, "TButton", parent}, parent},
        {{5555, false, "TButton", skin::kNoColour}, skin::MakeColour(1, 2, 3)},
        {{0, true, "button", parent}, parent},
        {{0, false, "TRzButton", parent}, parent},
        {{0, false, "telButton", parent}, parent},
        {{0, false, "TBitBtn", parent}, skin::MakeColour(1, 2, 3)},
    };
    for (const auto& row : rows)
        EXPECT_EQ(skin::PushButtonBackground(row.facts, s), row.expected) << row.facts.className;

    // The rings fit the thinnest side of the control's own border.
    EXPECT_EQ(skin::BorderRings({100, 30}, {2, 2, 98, 28}), 2);
    EXPECT_EQ(skin::BorderRings({100, 30}, {2, 2, 81, 28}), 2);  // a scroll bar at the right
    EXPECT_EQ(skin::BorderRings({100, 30}, {1, 1, 99, 29}), 1);
    EXPECT_EQ(skin::BorderRings({100, 30}, {0, 0, 100, 30}), 0);
    EXPECT_EQ(skin::BorderRings({100, 30}, {3, 3, 97, 27}), 2);
    EXPECT_TRUE(skin::ScrollControlHasBorder(false, "TListBox"));
    EXPECT_FALSE(skin::ScrollControlHasBorder(true, "TListBox"));
    EXPECT_FALSE(skin::ScrollControlHasBorder(false, "TImageScrollBox"));

    // The skin covers a frame when its rings and the covers over the bars
    // (and the corner between two) leave nothing of it. A tree view 145 x 409
    // with a sunken edge and a vertical bar 17 wide:
    const skin::Rect treeClient{2, 2, 126, 407};
    const skin::Rect verticalBar{126, 2, 143, 407};
    EXPECT_TRUE(skin::FrameCovered({145, 409}, treeClient, 2, std::array{verticalBar}));
    EXPECT_FALSE(skin::FrameCovered({145, 409}, treeClient, 2, {}));
    EXPECT_FALSE(skin::FrameCovered({145, 409}, treeClient, 2,
                                    std::array{skin::Rect{126, 2, 143, 406}}));  // one row short
    EXPECT_FALSE(skin::FrameCovered({145, 409}, treeClient, 1, std::array{verticalBar}));
    EXPECT_TRUE(skin::FrameCovered({100, 30}, {2, 2, 98, 28}, 2, {}));
    EXPECT_FALSE(skin::FrameCovered({100, 30}, {3, 3, 97, 27}, 2, {}));  // a third ring of its own
    // Two bars: covered only with the square where they meet.
    const skin::Rect vertical{81, 2, 98, 11}, horizontal{2, 11, 81, 28};
    EXPECT_FALSE(
        skin::FrameCovered({100, 30}, {2, 2, 81, 11}, 2, std::array{vertical, horizontal}));
    EXPECT_TRUE(skin::FrameCovered(
        {100, 30}, {2, 2, 81, 11}, 2,
        std::array{vertical, horizontal, skin::ScrollCorner(vertical, horizontal)}));
}
