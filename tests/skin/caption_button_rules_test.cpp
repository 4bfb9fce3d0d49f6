#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/caption_buttons.h"
#include "skin/frame_metrics.h"
#include "test_skins.h"

using skin::CaptionState;
using skin::FrameKind;
using skin::Rect;
using skin::SkinDefinition;
using skin::TCaptionButton;
using skin::TSkinSysButtonObject;

namespace {

// The window states the visibility tables are read against, one letter each.
//   N normal (active, both boxes, system menu, sizeable)   M maximised
//   I inactive   B no maximise or minimise box   S no system menu
//   D a dialog frame   C a dialog frame of a dialog class
//   X an MDI frame whose maximised child's buttons go in the menu bar
constexpr const char* kStates = "NMIBSDCX";

CaptionState StateFor(char letter) {
    CaptionState s;
    s.MaximiseBox = s.MinimiseBox = s.SystemMenu = true;
    switch (letter) {
        case 'M':
            s.Maximised = true;
            break;
        case 'I':
            s.Active = false;
            break;
        case 'B':
            s.MaximiseBox = s.MinimiseBox = false;
            break;
        case 'S':
            s.SystemMenu = false;
            break;
        case 'C':
            s.DialogClass = true;
            [[fallthrough]];
        case 'D':
            s.Kind = FrameKind::Dialog;
            break;
        case 'X':
            s.MaximisedMdiChildInMenuBar = true;
            break;
        default:
            break;
    }
    return s;
}

TSkinSysButtonObject Button(int action, int visibility, int visibility1) {
    TSkinSysButtonObject b;
    b.Action = action;
    b.Visibility = visibility;
    b.Visibility1 = visibility1;
    return b;
}

// "x" where the button shows, "." where not, in the order of kStates.
std::string ShownIn(const TSkinSysButtonObject& b) {
    std::string shown;
    for (const char* s = kStates; *s; ++s)
        shown += skin::CaptionButtonVisible(b, StateFor(*s)) ? 'x' : '.';
    return shown;
}

struct VisibilityRow {
    int action;
    int visibility;
    int visibility1;
    const char* shown;  // by kStates: N M I B S D C X
};

}  // namespace

TEST(CaptionButtonRules, VisibilityVisibility1AndActionDecideWhereAButtonShows) {
    const VisibilityRow rows[] = {
        // Visibility alone (Action 5 has no rule of its own).
        {5, 0, 0, "xxxxxxxx"},
        {5, 201, 0, "xxxxxxxx"},
        {5, 1, 0, ".x......"},
        {5, 2, 0, "x.xxxxxx"},
        {5, 3, 0, "xx.xxxxx"},
        {5, 4, 0, "..x....."},
        {5, 5, 0, "........"},
        {5, 6, 0, "xxx..xxx"},
        {5, 7, 0, "...x...."},
        {5, 8, 0, "xxx..xxx"},
        {5, 9, 0, "...x...."},
        {5, 100, 0, ".......x"},
        {5, 200, 0, ".....x.."},
        {5, 2001, 0, "........"},
        // Visibility1 narrows it; its box rules ask for no system menu.
        {5, 0, 1, ".x......"},
        {5, 0, 2, "x.xxxxxx"},
        {5, 0, 4, "..x....."},
        {5, 0, 6, "xxx.xxxx"},
        {5, 0, 7, "...x...."},
        {5, 0, 100, "xxxxxxxx"},
        {5, 2, 100, "x.xxxxxx"},
        {5, 2, 7, "...x...."},
        {5, 0, -1, "........"},
        {5, 0, 101, "........"},
        // The actions' own rules.
        {0, 0, 0, "xxxx.xxx"},
        {1, 0, 0, "xxx.xxxx"},
        {2, 0, 0, "xxx.xxxx"},
        {3, 0, 0, "xxxxx..x"},
        {11, 0, 0, "xxxxx..x"},
        {4, 0, 0, "xxxxxxxx"},
        // A restore button stands where the maximise button was.
        {1, 1, 0, ".x......"},
        {1, 2, 0, "x.x.xxxx"},
    };
    for (const VisibilityRow& row : rows) {
        EXPECT_EQ(ShownIn(Button(row.action, row.visibility, row.visibility1)), row.shown)
            << "Action " << row.action << ", Visibility " << row.visibility << ", Visibility1 "
            << row.visibility1;
    }
}

TEST(CaptionButtonRules, Visibility1000To2000AsksTheWindow) {
    CaptionState s = StateFor('N');
    std::vector<std::pair<int, int>> asked;
    s.AskWindow = [&](int visibility, int action) {
        asked.emplace_back(visibility, action);
        return visibility != 1500;
    };
    EXPECT_TRUE(skin::CaptionButtonVisible(Button(7, 1000, 0), s));
    EXPECT_FALSE(skin::CaptionButtonVisible(Button(7, 1500, 0), s));
    EXPECT_TRUE(skin::CaptionButtonVisible(Button(8, 2000, 0), s));
    EXPECT_FALSE(skin::CaptionButtonVisible(Button(8, 2001, 0), s));
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{1000, 7}, {1500, 7}, {2000, 8}}));
    // A window that cannot be asked shows none of them.
    EXPECT_FALSE(skin::CaptionButtonVisible(Button(7, 1000, 0), StateFor('N')));
}

namespace {

struct AlignRow {
    int align;
    int x;
    bool rightToLeft;
    Rect place;
};

}  // namespace

TEST(CaptionButtonRules, PlacesEachAlignOnAWindow300Wide) {
    // Borders 4, caption 24, a menu band 20 high whose picture's left margin
    // is 5; buttons 16 x 14 at Ycoord 6.
    skin::FrameMetrics m;
    m.BorderLeft = m.BorderRight = 4;
    m.CaptionHeight = 24;
    m.MenuBarHeight = 20;
    const AlignRow rows[] = {
        {0, 30, false, {30, 6, 46, 20}},
        {1, 22, false, {278, 6, 294, 20}},
        {2, 10, false, {-26, 6, -10, 20}},
        {3, 30, false, {30, 6, 46, 20}},
        {8, 10, false, {-26, 6, -10, 20}},
        {9, 30, false, {30, 6, 46, 20}},
        // In the menu band, centred in it, in from the border and margin.
        {100, 40, false, {251, 27, 267, 41}},
        {100, 40, true, {49, 27, 65, 41}},
        // Right to left changes nothing else.
        {0, 30, true, {30, 6, 46, 20}},
        {1, 22, true, {278, 6, 294, 20}},
    };
    for (const AlignRow& row : rows) {
        SkinDefinition s;
        TSkinSysButtonObject b = Button(5, 0, 0);
        b.Align = row.align;
        b.Xcoord = row.x;
        b.Ycoord = 6;
        b.Frame = 4;
        b.Image = skintest::States(9, 4, 16, 14);
        s.CaptionButtons = {b};
        std::vector<TCaptionButton> buttons =
            skin::MakeCaptionButtons(std::make_shared<const SkinDefinition>(std::move(s)));
        CaptionState state = StateFor('N');
        state.RightToLeft = row.rightToLeft;
        skin::LayOutCaptionButtons(buttons, state, 300, m, {16, 16}, 5);
        EXPECT_EQ(buttons[0].Place, row.place)
            << "Align " << row.align << (row.rightToLeft ? " rtl" : "");
    }
}

TEST(CaptionButtonRules, SizesButtonsFromTheirPicturesAndKeepsHiddenOnesWhereTheyWere) {
    SkinDefinition s;
    TSkinSysButtonObject close = Button(0, 0, 0);
    close.Align = 1;
    close.Xcoord = 22;
    close.Ycoord = 5;
    close.Frame = 3;
    close.Image = skintest::States(4, 3, 18, 12);
    TSkinSysButtonObject restore = close;  // shown only while maximised
    restore.Action = 1;
    restore.Xcoord = 44;
    restore.Visibility = 1;
    TSkinSysButtonObject icon = Button(3, 0, 0);
    icon.Xcoord = 6;
    icon.Ycoord = 4;
    TSkinSysButtonObject noPicture = Button(5, 0, 0);
    s.CaptionButtons = {close, restore, icon, noPicture};
    std::vector<TCaptionButton> buttons =
        skin::MakeCaptionButtons(std::make_shared<const SkinDefinition>(std::move(s)));
    const skin::FrameMetrics m;

    CaptionState maximised = StateFor('M');
    skin::LayOutCaptionButtons(buttons, maximised, 300, m, {16, 16}, 0);
    EXPECT_EQ(buttons[0].Place, (Rect{278, 5, 296, 17}));
    EXPECT_EQ(buttons[1].Place, (Rect{256, 5, 274, 17}));
    EXPECT_EQ(buttons[2].Place, (Rect{6, 4, 22, 20}));  // the icon's size
    EXPECT_TRUE(buttons[3].Visible);
    EXPECT_TRUE(buttons[3].Place.Empty());  // nothing to show

    // Restored and wider: the restore button hides where it stood.
    skin::LayOutCaptionButtons(buttons, StateFor('N'), 500, m, {16, 16}, 0);
    EXPECT_FALSE(buttons[1].Visible);
    EXPECT_EQ(buttons[1].Place, (Rect{256, 5, 274, 17}));
    EXPECT_EQ(buttons[0].Place.left, 478);
}
