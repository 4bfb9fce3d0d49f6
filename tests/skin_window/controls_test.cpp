// Skinned controls on a real form under Wine: which member each control
// gets, the push button's states as the user's messages change them, the
// pixels on the screen against the portable composition in two of the
// program's skins, message 0x3506, and detaching.
#include <gtest/gtest.h>

#include <windows.h>

#include "controls_form.h"
#include "skin/box_look.h"
#include "skin/combo_box_look.h"
#include "skin/group_box_look.h"
#include "skin/push_button_look.h"
#include "skin/status_bar_look.h"
#include "skin/window/dib.h"
#include "skin/window/engine_messages.h"
#include "skin/window/skin_button.h"
#include "skin/window/skin_combo_box.h"
#include "skin/window/skin_group_box.h"
#include "skin/window/skin_scroll_bar.h"
#include "skin/window/skin_status_bar.h"
#include "skin/window/skinned_controls.h"
#include "skin_window_fixture.h"

namespace skinwindow {
namespace {

using pixels::Bitmap;
using skin::ButtonState;

skin::Rect Whole(HWND window) {
    return skin::window::WindowPlace(window);
}

class ControlsTest : public SkinWindowTest {
  protected:
    ControlsTest() {
        AddSkinData();
        UseSkin(0);
        form = ui::Make<ControlsForm>(application);
        form->Show();
        SetForegroundWindow(form->Handle());
        // The pointer stays off the form unless a test puts it there.
        SetCursorPos(1010, 750);
        PumpMessages(150);
    }

    void UseSkin(int index) { ASSERT_TRUE(UseProgramSkin(*main, Manager(), index)); }

    skin::window::SkinnedControls& Skins() {
        skin::window::TSkinForm* frame = Manager().FindSkinnedWindow(form->Handle());
        EXPECT_NE(frame, nullptr);
        return *frame->ChildSkins();
    }
    template <class Member>
    Member* SkinOf(const ui::TControl& control) {
        return dynamic_cast<Member*>(Skins().Find(control.Handle()));
    }

    skin::Colour FaceColour() {
        return skin::ResolveColour(main->Skin()->Colours.ButtonFace, look);
    }

    Bitmap ComposedButton(const ButtonState& state) {
        const HWND button = form->button->Handle();
        const skin::Rect place = Whole(button);
        skin::PushButtonFacts f;
        f.state = state;
        f.caption = "确定 OK";
        f.fontColour = skin::ResolveColour(form->button->Font().Color(), look);
        f.background = FaceColour();
        skin::window::GdiTextPainter font(LogFontOf(button),
                                          skin::window::Ampersand::MarksAccelerator);
        Bitmap picture(place.Width(), place.Height());
        skin::PaintPushButton(picture, place, f, *main->Skin(), font, look);
        return picture;
    }

    ui::TApplication& app = application;
    ControlsForm* form = nullptr;
};

TEST_F(ControlsTest, EachControlGetsTheMemberOfItsKind) {
    struct Row {
        const char* name;
        ui::TControl* control;
        bool skinned;
    };
    const Row rows[] = {
        {"button", form->button, SkinOf<skin::window::TSkinButton>(*form->button) != nullptr},
        {"group box", form->group, SkinOf<skin::window::TSkinGroupBox>(*form->group) != nullptr},
        {"combo box", form->combo, SkinOf<skin::window::TSkinComBox>(*form->combo) != nullptr},
        {"status bar", form->status,
         SkinOf<skin::window::TSkinStatusBar>(*form->status) != nullptr},
        {"list box", form->list, SkinOf<skin::window::TSkinScrollbar>(*form->list) != nullptr},
        {"tree view", form->tree, SkinOf<skin::window::TSkinScrollbar>(*form->tree) != nullptr},
        {"memo", form->memo, SkinOf<skin::window::TSkinScrollbar>(*form->memo) != nullptr},
        {"rich edit", form->rich, SkinOf<skin::window::TSkinScrollbar>(*form->rich) != nullptr},
    };
    for (const Row& row : rows) {
        EXPECT_TRUE(row.skinned) << row.name;
        EXPECT_EQ(SendMessageW(row.control->Handle(), skin::window::kAlreadySkinnedMessage, 0, 0),
                  1)
            << row.name << " answers that it is skinned";
    }
    // A refresh takes the same controls again without a second object.
    const size_t before = Skins().Objects().size();
    UseSkin(1);
    EXPECT_EQ(Skins().Objects().size(), before);
}

TEST_F(ControlsTest, TheButtonFollowsTheUsersMessagesAndShowsEachState) {
    const HWND button = form->button->Handle();
    int clicks = 0;
    form->button->OnClick = [&](ui::TComponent&) { ++clicks; };
    struct Row {
        const char* what;
        UINT msg;
        WPARAM wParam;
        ButtonState expected;  // pressed, hot, focused, enabled
        int clicks;
    };
    const Row rows[] = {
        {"pointer over", WM_MOUSEMOVE, 0, {false, true, false, true}, 0},
        {"button down", WM_LBUTTONDOWN, MK_LBUTTON, {true, true, true, true}, 0},
        {"button up", WM_LBUTTONUP, 0, {false, true, true, true}, 1},
        {"pointer leaves", WM_MOUSELEAVE, 0, {false, false, true, true}, 1},
        {"space down", WM_KEYDOWN, VK_SPACE, {true, false, true, true}, 1},
        {"space up", WM_KEYUP, VK_SPACE, {false, false, true, true}, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        SendMessageW(button, row.msg, row.wParam, MAKELPARAM(10, 10));
        PumpMessages(60);
        const auto* skinned = SkinOf<skin::window::TSkinButton>(*form->button);
        ASSERT_NE(skinned, nullptr);
        const ButtonState s = skinned->StateNow();
        EXPECT_EQ(s.Pressed, row.expected.Pressed);
        EXPECT_EQ(s.Hot, row.expected.Hot);
        EXPECT_EQ(s.Focused, row.expected.Focused);
        EXPECT_EQ(clicks, row.clicks);
        EXPECT_EQ(ScreenDifferences(button, ComposedButton(row.expected), Whole(button)),
                  std::vector<std::string>{});
    }
    // The focus elsewhere, then the button disabled.
    SetFocus(form->list->Handle());
    PumpMessages(60);
    EXPECT_EQ(ScreenDifferences(button, ComposedButton({}), Whole(button)),
              std::vector<std::string>{});
    EnableWindow(button, FALSE);
    PumpMessages(60);
    ButtonState disabled;
    disabled.Enabled = false;
    EXPECT_EQ(ScreenDifferences(button, ComposedButton(disabled), Whole(button)),
              std::vector<std::string>{});
}

TEST_F(ControlsTest, PaintingSwitchesOffWithZeroAndBackWithAPositiveValue) {
    const HWND button = form->button->Handle();
    EXPECT_EQ(ScreenDifferences(button, ComposedButton({}), Whole(button)),
              std::vector<std::string>{});
    SendMessageW(button, skin::window::kSkinPaintingMessage, 0, 0);
    PumpMessages(60);
    EXPECT_NE(ScreenDifferences(button, ComposedButton({}), Whole(button)),
              std::vector<std::string>{})
        << "the ordinary look";
    SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    PumpMessages(60);
    EXPECT_FALSE(SkinOf<skin::window::TSkinButton>(*form->button)->StateNow().Hot)
        << "the skin follows nothing while it is off";
    SendMessageW(button, skin::window::kSkinPaintingMessage, 1, 0);
    PumpMessages(60);
    EXPECT_EQ(ScreenDifferences(button, ComposedButton({}), Whole(button)),
              std::vector<std::string>{});
}

TEST_F(ControlsTest, GroupBoxStatusBarAndComboBoxShowTheirCompositionInTwoSkins) {
    for (const int index : {0, 3}) {
        SCOPED_TRACE(testing::Message() << "skin " << index);
        UseSkin(index);
        const skin::SkinSnapshot skin = main->Skin();
        {
            const HWND box = form->group->Handle();
            const skin::Rect place = Whole(box);
            skin::window::GdiTextPainter font(LogFontOf(box), skin::window::Ampersand::Plain);
            Bitmap expected(place.Width(), place.Height());
            skin::PaintBoxBackground(expected, place, *skin, look);
            skin::PaintGroupBox(expected, place, *skin, "分组 Group",
                                skin::ResolveColour(form->group->Font().Color(), look), false, font,
                                look);
            EXPECT_EQ(ScreenDifferences(box, expected, place), std::vector<std::string>{})
                << "group box";
        }
        {
            const HWND bar = form->status->Handle();
            const skin::Rect place = Whole(bar);
            const skin::StatusBarFacts facts =
                SkinOf<skin::window::TSkinStatusBar>(*form->status)->Facts();
            ASSERT_EQ(facts.panels.size(), 2u);
            EXPECT_EQ(facts.panels[0].text, "共 12 条");
            EXPECT_EQ(facts.panels[1].align, skin::TextAlign::Centre);
            skin::window::GdiTextPainter font(LogFontOf(bar), skin::window::Ampersand::Plain);
            Bitmap expected(place.Width(), place.Height());
            skin::PaintStatusBar(expected, place, facts, *skin, font, look);
            EXPECT_EQ(ScreenDifferences(bar, expected, place), std::vector<std::string>{})
                << "status bar";
        }
        {
            const HWND combo = form->combo->Handle();
            const skin::Rect place = Whole(combo);
            skin::ComboBoxFacts facts;
            facts.metrics.ArrowWidth = GetSystemMetrics(SM_CXHSCROLL);
            facts.metrics.ThumbHeight = GetSystemMetrics(SM_CYVTHUMB);
            Bitmap expected(place.Width(), place.Height());
            skin::PaintComboBox(expected, place, facts, *skin, look);
            // The button's strip at the right end; the field is the box's.
            const int s = facts.metrics.ArrowWidth;
            const skin::Rect strip{place.right - s - 2, 0, place.right, place.bottom};
            EXPECT_EQ(ScreenDifferences(combo, expected, strip), std::vector<std::string>{})
                << "combo box";
        }
    }
}

TEST_F(ControlsTest, SwitchingSkinningOffGivesEveryControlItsOrdinaryLookBack) {
    const ui::TColor groupColour = form->group->Color();
    EXPECT_EQ(groupColour, static_cast<ui::TColor>(FaceColour())) << "skinned: the face";
    const HWND list = form->list->Handle();
    ASSERT_NE(SkinOf<skin::window::TSkinScrollbar>(*form->list)->Overlay(true), nullptr);
    const HWND overlay = SkinOf<skin::window::TSkinScrollbar>(*form->list)->Overlay(true)->Window();
    EXPECT_TRUE(IsWindowVisible(overlay));

    main->SetActive(false);
    Manager().RunPendingCommand();
    PumpMessages(120);
    EXPECT_EQ(form->group->Color(), ui::clBtnFace) << "the colour it had";
    EXPECT_FALSE(IsWindow(overlay)) << "the overlay is gone";
    EXPECT_EQ(GetWindowLongW(list, GWL_STYLE) & WS_CLIPSIBLINGS, 0);
    for (const ui::TControl* control :
         {static_cast<ui::TControl*>(form->button), static_cast<ui::TControl*>(form->combo),
          static_cast<ui::TControl*>(form->status), static_cast<ui::TControl*>(form->list)}) {
        EXPECT_EQ(SendMessageW(control->Handle(), skin::window::kAlreadySkinnedMessage, 0, 0), 0);
    }
    const HWND button = form->button->Handle();
    EXPECT_NE(ScreenDifferences(button, ComposedButton({}), Whole(button)),
              std::vector<std::string>{})
        << "the button paints itself again";
}

}  // namespace
}  // namespace skinwindow
