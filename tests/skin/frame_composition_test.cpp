#include <gtest/gtest.h>

#include "skin_test_helpers.h"

#include <string>
#include <vector>

#include "fixed_look.h"
#include "skin/caption_buttons.h"
#include "skin/frame_metrics.h"
#include "skin/pixel_ops.h"
#include "skin/window_frame.h"
#include "skin/window_outline.h"
#include "test_skins.h"

using pixels::Bitmap;
using pixels::MakePixel;
using skin::CaptionButton;
using skin::CaptionState;
using skin::FrameKind;
using skin::FrameMetrics;
using skin::Rect;
using skin::SkinDefinition;
using skin::TSkinSysButtonObject;
using skintest::RecordingText;
using skintest::StateColour;
using skintest::States;

namespace {

// Borders 4 wide (2 states side by side), a caption 24 high and a bottom 4
// high (2 states stacked), each state in a colour of its own.
SkinDefinition FramedSkin() {
    SkinDefinition s;
    const auto border = [](skin::TSkinBorderObject& b, pixels::Bitmap image) {
        b.Image = std::move(image);
        b.Frame = 2;
        b.Tile = 1;
    };
    border(s.Left, States(1, 2, 4, 40));
    border(s.Right, States(2, 2, 4, 40));
    border(s.Top, skin::RotateClockwise(States(3, 2, 24, 60)));
    border(s.Bottom, skin::RotateClockwise(States(4, 2, 4, 60)));
    return s;
}

TSkinSysButtonObject Button(int action, int align, int x, int y, int visibility = 0) {
    TSkinSysButtonObject b;
    b.Action = action;
    b.Align = align;
    b.Xcoord = x;
    b.Ycoord = y;
    b.Visibility = visibility;
    b.Frame = 4;
    b.Image = States(9, 4, 16, 14);
    return b;
}

CaptionState NormalWindow() {
    CaptionState s;
    s.MaximiseBox = s.MinimiseBox = s.SystemMenu = true;
    return s;
}

}  // namespace

TEST(FrameComposition, MeasuresEachSideFromItsPictureAndFrameCount) {
    SkinDefinition s;
    s.Left.Image = Bitmap(6, 40);
    s.Left.Frame = 2;
    s.Top.Image = Bitmap(100, 60);
    s.Top.Frame = 2;
    s.Right.Image = Bitmap(5, 40);
    s.Right.Frame = 0;  // counts as one
    s.Bottom.Image = Bitmap(100, 9);
    s.Bottom.Frame = 3;
    const FrameMetrics m = skin::MeasureFrame(s, FrameKind::Fixed, 19);
    EXPECT_EQ(m.BorderLeft, 3);
    EXPECT_EQ(m.CaptionHeight, 30);
    EXPECT_EQ(m.BorderRight, 5);
    EXPECT_EQ(m.BorderBottom, 3);
    EXPECT_EQ(m.MenuBarHeight, 19);
    EXPECT_EQ(m.ClientRect({400, 300}), (Rect{3, 49, 395, 297}));
    EXPECT_EQ(m.MenuBand({400, 300}), (Rect{3, 30, 395, 49}));

    const FrameMetrics none = skin::MeasureFrame(s, FrameKind::NoCaption, 19);
    EXPECT_EQ(none.CaptionHeight + none.BorderLeft + none.BorderBottom + none.MenuBarHeight, 0);
}

TEST(FrameComposition, ShowsCaptionButtonsByVisibilityVisibility1AndAction) {
    CaptionState normal = NormalWindow();
    CaptionState maximised = normal;
    maximised.Maximised = true;
    const auto shown = [](TSkinSysButtonObject b, const CaptionState& s) {
        return skin::CaptionButtonVisible(b, s);
    };
    // The maximise button and the restore button in its place.
    EXPECT_TRUE(shown(Button(1, 1, 40, 5, 2), normal));
    EXPECT_FALSE(shown(Button(1, 1, 40, 5, 2), maximised));
    EXPECT_FALSE(shown(Button(1, 1, 40, 5, 1), normal));
    EXPECT_TRUE(shown(Button(1, 1, 40, 5, 1), maximised));
    // Each action needs its box.
    CaptionState bare;
    EXPECT_FALSE(shown(Button(0, 1, 20, 5), bare));
    EXPECT_FALSE(shown(Button(1, 1, 20, 5), bare));
    EXPECT_FALSE(shown(Button(2, 1, 20, 5), bare));
    EXPECT_TRUE(shown(Button(5, 1, 20, 5), bare));
    // The icon is not shown on a dialog frame.
    CaptionState dialog = normal;
    dialog.Kind = FrameKind::Dialog;
    EXPECT_TRUE(shown(Button(3, 0, 4, 4), normal));
    EXPECT_FALSE(shown(Button(3, 0, 4, 4), dialog));
    EXPECT_FALSE(shown(Button(11, 0, 4, 4), dialog));
    // 200: dialog frames of windows that are not of a dialog class.
    EXPECT_TRUE(shown(Button(5, 1, 20, 5, 200), dialog));
    dialog.DialogClass = true;
    EXPECT_FALSE(shown(Button(5, 1, 20, 5, 200), dialog));
    // Active and inactive, and values without a meaning.
    CaptionState inactive = normal;
    inactive.Active = false;
    EXPECT_TRUE(shown(Button(5, 1, 20, 5, 4), inactive));
    EXPECT_FALSE(shown(Button(5, 1, 20, 5, 3), inactive));
    EXPECT_FALSE(shown(Button(5, 1, 20, 5, 5), normal));
    EXPECT_TRUE(shown(Button(5, 1, 20, 5, 500), normal));
    // 1000 to 2000: the window is asked, with the Visibility and the Action.
    int askedVisibility = 0, askedAction = 0;
    normal.AskWindow = [&](int v, int a) {
        askedVisibility = v;
        askedAction = a;
        return v == 1500;
    };
    EXPECT_TRUE(shown(Button(7, 1, 20, 5, 1500), normal));
    EXPECT_EQ(askedVisibility, 1500);
    EXPECT_EQ(askedAction, 7);
    EXPECT_FALSE(shown(Button(7, 1, 20, 5, 1501), normal));
    // Visibility1 narrows it further; 100 repeats the Visibility rule.
    TSkinSysButtonObject b = Button(5, 1, 20, 5, 2);
    b.Visibility1 = 7;  // only without a maximise box
    EXPECT_FALSE(shown(b, NormalWindow()));
    b.Visibility1 = 100;
    EXPECT_TRUE(shown(b, NormalWindow()));
    EXPECT_FALSE(shown(b, maximised));
    b.Visibility1 = -1;
    EXPECT_FALSE(shown(b, NormalWindow()));
}

TEST(FrameComposition, PlacesCaptionButtonsByTheirAlign) {
    const SkinDefinition s = FramedSkin();
    FrameMetrics m = skin::MeasureFrame(s, FrameKind::Fixed, 20);
    std::vector<TSkinSysButtonObject> objects = {Button(0, 1, 22, 5), Button(5, 0, 30, 6),
                                                 Button(5, 2, 10, 7), Button(5, 100, 40, 0),
                                                 Button(3, 0, 6, 4)};
    objects[3].Visibility = 0;
    objects[4].Image = Bitmap();  // the icon button takes the icon's size
    std::vector<CaptionButton> buttons = skin::MakeCaptionButtons(objects);
    skin::LayOutCaptionButtons(buttons, NormalWindow(), 300, m, {16, 16}, 5);
    EXPECT_EQ(buttons[0].Place, (Rect{278, 5, 294, 19}));  // from the right edge
    EXPECT_EQ(buttons[1].Place, (Rect{30, 6, 46, 20}));
    EXPECT_EQ(buttons[2].Place, (Rect{-26, 7, -10, 21}));
    // In the menu band: centred in it, in from the right border and the
    // menu bar's left margin.
    EXPECT_EQ(buttons[3].Place,
              (Rect{300 - 40 - 4 - 5, 24 + 3, 300 - 40 - 4 - 5 + 16, 24 + 3 + 14}));
    EXPECT_EQ(buttons[4].Place, (Rect{6, 4, 22, 20}));
    // Right to left, the menu band's button stands in from the left border.
    CaptionState mirrored = NormalWindow();
    mirrored.RightToLeft = true;
    skin::LayOutCaptionButtons(buttons, mirrored, 300, m, {16, 16}, 5);
    EXPECT_EQ(buttons[3].Place.left, 40 + 5 + 4);

    // A button that is hidden keeps its place from before.
    CaptionState maximised = NormalWindow();
    maximised.Maximised = true;
    objects[1].Visibility = 2;
    skin::LayOutCaptionButtons(buttons, maximised, 500, m, {16, 16}, 5);
    EXPECT_FALSE(buttons[1].Visible);
    EXPECT_EQ(buttons[1].Place, (Rect{30, 6, 46, 20}));
    EXPECT_EQ(buttons[0].Place.left, 478);
}

TEST(FrameComposition, PaintsBordersCaptionTextAndButtonsInTheirStates) {
    SkinDefinition s = FramedSkin();
    s.Title.LeftWidth = 26;   // TextShift
    s.Title.TopHeight = 5;    // TextShiftVert
    s.Title.RightWidth = 60;  // TextRightClip
    s.Title.FontHeight = 14;
    s.Title.TextAlignment = 2;
    s.Title.ActiveTextColour = skin::MakeColour(1, 2, 3);
    s.Colours.TitleTextNoActive = skin::SystemColour(skin::SystemColourIndex::InactiveCaptionText);
    s.CaptionButtons = {Button(0, 1, 22, 5)};
    // The button's picture: magenta in the top-left pixel of slices 1 and 4.
    s.CaptionButtons[0].Image.At(0, 0) = pixels::kMagenta;
    s.CaptionButtons[0].Image.At(48, 0) = pixels::kMagenta;
    const FrameMetrics m = skin::MeasureFrame(s, FrameKind::Fixed, 0);
    const skintest::FixedLook look;
    const Bitmap icon(16, 16, MakePixel(7, 7, 7));

    for (bool active : {true, false}) {
        Bitmap window(300, 200, MakePixel(50, 50, 50));
        RecordingText text;
        std::vector<CaptionButton> buttons = skin::MakeCaptionButtons(s.CaptionButtons);
        CaptionState state = NormalWindow();
        state.Active = active;
        skin::PaintFrame(window, s, m, state, buttons, "Lexora", text, icon, look);
        const int st = active ? 1 : 2;
        EXPECT_EQ(window.At(0, 100), StateColour(1, st));
        EXPECT_EQ(window.At(299, 100), StateColour(2, st));
        EXPECT_EQ(window.At(150, 199), StateColour(4, st));
        EXPECT_EQ(window.At(150, 2), StateColour(3, st));
        EXPECT_EQ(window.At(150, 100), MakePixel(50, 50, 50));  // the client area stays
        // The button, in slice 1 or (inactive, four slices) 4, its magenta
        // leaving the caption.
        EXPECT_EQ(window.At(279, 6), StateColour(9, active ? 1 : 4));
        EXPECT_EQ(window.At(278, 5), StateColour(3, st));
        ASSERT_EQ(text.lines.size(), 1u);
        EXPECT_EQ(text.lines[0].box, (Rect{26, 5, 240, 19}));
        EXPECT_EQ(text.lines[0].align, skin::TextAlign::Centre);
        EXPECT_EQ(text.lines[0].colour, active ? skin::MakeColour(1, 2, 3) : 0x101010 + 19);
    }
}

TEST(FrameComposition, DrawsTheIconButtonFromTheWindowsIcon) {
    SkinDefinition s = FramedSkin();
    TSkinSysButtonObject icon = Button(3, 0, 6, 4);
    icon.Image = Bitmap();
    s.CaptionButtons = {icon};
    const FrameMetrics m = skin::MeasureFrame(s, FrameKind::Fixed, 0);
    Bitmap picture(16, 16, MakePixel(7, 7, 7));
    picture.At(0, 0) = pixels::kMagenta;
    Bitmap window(300, 200);
    RecordingText text;
    std::vector<CaptionButton> buttons = skin::MakeCaptionButtons(s.CaptionButtons);
    skin::PaintFrame(window, s, m, NormalWindow(), buttons, "", text, picture,
                     skintest::FixedLook());
    EXPECT_EQ(window.At(6, 4), StateColour(3, 1));  // the caption shows through
    EXPECT_EQ(window.At(7, 4), MakePixel(7, 7, 7));
    EXPECT_EQ(window.At(21, 19), MakePixel(7, 7, 7));
}

TEST(FrameComposition, OutlinesTheWindowAlongTransparentBorders) {
    SkinDefinition s = FramedSkin();
    const FrameMetrics m = skin::MeasureFrame(s, FrameKind::Fixed, 0);
    const skin::Size size{300, 200};
    // Opaque left, right and top borders: the whole rectangle, even with a
    // transparent bottom with magenta in it.
    s.Bottom.Trans = 1;
    s.Bottom.Image.At(0, 3) = pixels::kMagenta;
    const skin::PixelMask whole = skin::BuildWindowOutline(s, m, FrameKind::Fixed, size, true);
    EXPECT_TRUE(whole.Contains(0, 0));
    EXPECT_TRUE(whole.Contains(4, 199));

    // Magenta in the left border's top-left corner, active state only.
    s.Left.Trans = 1;
    s.Left.Image.At(0, 0) = pixels::kMagenta;
    s.Top.Trans = 1;
    s.Top.Image.At(0, 0) = pixels::kMagenta;
    const skin::PixelMask active = skin::BuildWindowOutline(s, m, FrameKind::Fixed, size, true);
    EXPECT_FALSE(active.Contains(0, 0));
    EXPECT_TRUE(active.Contains(1, 0));
    EXPECT_FALSE(active.Contains(4, 0));    // the top border's own corner
    EXPECT_FALSE(active.Contains(4, 199));  // the bottom's magenta, stretched to its place
    EXPECT_TRUE(active.Contains(150, 100));
    EXPECT_TRUE(active.Contains(299, 0));  // the right border is opaque
    const skin::PixelMask inactive = skin::BuildWindowOutline(s, m, FrameKind::Fixed, size, false);
    EXPECT_TRUE(inactive.Contains(0, 0));

    // A bottom border under 2 pixels counts as its whole rectangle.
    s.Bottom.Image = skin::RotateClockwise(States(4, 2, 1, 60));
    s.Bottom.Image.At(0, 0) = pixels::kMagenta;
    const FrameMetrics thin = skin::MeasureFrame(s, FrameKind::Fixed, 0);
    EXPECT_TRUE(skin::BuildWindowOutline(s, thin, FrameKind::Fixed, size, true).Contains(4, 199));
}
