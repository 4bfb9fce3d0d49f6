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
using skin::CaptionState;
using skin::FrameKind;
using skin::FrameMetrics;
using skin::Rect;
using skin::SkinDefinition;
using skin::SkinSnapshot;
using skin::TCaptionButton;
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

SkinSnapshot WithButtons(SkinDefinition&& s, std::vector<TSkinSysButtonObject> buttons) {
    s.CaptionButtons = std::move(buttons);
    return std::make_shared<const SkinDefinition>(std::move(s));
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

TEST(FrameComposition, PaintsBordersCaptionTextAndButtonsInTheirStates) {
    SkinDefinition s = FramedSkin();
    s.Title.LeftWidth = 26;   // TextShift
    s.Title.TopHeight = 5;    // TextShiftVert
    s.Title.RightWidth = 60;  // TextRightClip
    s.Title.FontHeight = 14;
    s.Title.TextAlignment = 2;
    s.Title.ActiveTextColour = skin::MakeColour(1, 2, 3);
    s.Colours.TitleTextNoActive = skin::SystemColour(skin::SystemColourIndex::InactiveCaptionText);
    // The button's picture: magenta in the top-left pixel of slices 1 and 4.
    TSkinSysButtonObject close = Button(0, 1, 22, 5);
    close.Image.At(0, 0) = pixels::kMagenta;
    close.Image.At(48, 0) = pixels::kMagenta;
    const SkinSnapshot skin = WithButtons(std::move(s), {close});
    const FrameMetrics m = skin::MeasureFrame(*skin, FrameKind::Fixed, 0);
    const skintest::FixedLook look;
    const Bitmap icon(16, 16, MakePixel(7, 7, 7));

    for (bool active : {true, false}) {
        Bitmap window(300, 200, MakePixel(50, 50, 50));
        RecordingText text;
        std::vector<TCaptionButton> buttons = skin::MakeCaptionButtons(skin);
        CaptionState state = NormalWindow();
        state.Active = active;
        skin::PaintFrame(window, *skin, m, state, buttons, "Lexora", text, icon, look);
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

TEST(FrameComposition, RepaintsOneButtonInItsStateOverTheFrameWithoutButtons) {
    SkinDefinition s = FramedSkin();
    TSkinSysButtonObject close = Button(0, 1, 22, 5);
    close.Image.At(32, 0) = pixels::kMagenta;  // the hot slice's top-left pixel
    const SkinSnapshot skin = WithButtons(std::move(s), {close});
    const FrameMetrics m = skin::MeasureFrame(*skin, FrameKind::Fixed, 0);
    const skintest::FixedLook look;
    const Bitmap icon(16, 16);
    RecordingText text;
    Bitmap background(300, 200);
    skin::PaintBordersAndCaption(background, *skin, m, true, "Lexora", text, look);
    Bitmap window = background;
    std::vector<TCaptionButton> buttons = skin::MakeCaptionButtons(skin);
    skin::PaintCaptionButtons(window, *skin, m, NormalWindow(), buttons, icon);
    ASSERT_EQ(buttons[0].Place, (Rect{278, 5, 294, 19}));
    EXPECT_EQ(window.At(278, 5), StateColour(9, 1));

    buttons[0].State = skin::ElementState::Pressed;
    skin::RepaintCaptionButton(window, background, buttons[0], icon);
    EXPECT_EQ(window.At(278, 5), StateColour(9, 2));
    // Hot: where its slice is magenta, the caption shows, not the pressed
    // look from before.
    buttons[0].State = skin::ElementState::Hot;
    skin::RepaintCaptionButton(window, background, buttons[0], icon);
    EXPECT_EQ(window.At(278, 5), StateColour(3, 1));
    EXPECT_EQ(window.At(280, 10), StateColour(9, 3));
    // Nothing outside the button changed.
    Bitmap outside = window;
    skin::DrawBitmap(outside, 278, 5, background, {278, 5, 294, 19}, false);
    EXPECT_EQ(outside, background);
}

TEST(FrameComposition, AButtonInTheMenuBandShowsSlice4WhileHot) {
    TSkinSysButtonObject inBand = Button(7, 100, 40, 0, 100);
    TSkinSysButtonObject onCaption = Button(0, 1, 22, 5);
    std::vector<TCaptionButton> buttons =
        skin::MakeCaptionButtons(WithButtons(FramedSkin(), {inBand, onCaption}));
    const std::pair<skin::ElementState, std::pair<int, int>> rows[] = {
        {skin::ElementState::Normal, {1, 1}},
        {skin::ElementState::Pressed, {2, 2}},
        {skin::ElementState::Hot, {4, 3}},
    };
    for (const auto& [state, slices] : rows) {
        buttons[0].State = buttons[1].State = state;
        EXPECT_EQ(skin::CaptionStateSlice(buttons[0]), slices.first);
        EXPECT_EQ(skin::CaptionStateSlice(buttons[1]), slices.second);
    }
}

TEST(FrameComposition, PaintsAMinimisedCaptionTheEmptyMenuBandAndNothingWithoutACaption) {
    SkinDefinition s = FramedSkin();
    s.Colours.ButtonFace = skin::MakeColour(90, 91, 92);
    const SkinSnapshot skin = WithButtons(std::move(s), {Button(0, 1, 22, 5)});
    const FrameMetrics m = skin::MeasureFrame(*skin, FrameKind::Fixed, 0);
    const skintest::FixedLook look;
    const Bitmap icon(16, 16);

    Bitmap minimised(160, 30, MakePixel(50, 50, 50));
    RecordingText text;
    std::vector<TCaptionButton> buttons = skin::MakeCaptionButtons(skin);
    skin::PaintMinimisedCaption(minimised, *skin, m, NormalWindow(), buttons, "Lexora", text, icon,
                                look);
    EXPECT_EQ(minimised.At(0, 2), StateColour(3, 1));  // the caption across the whole width
    EXPECT_EQ(minimised.At(159, 2), StateColour(3, 1));
    EXPECT_EQ(minimised.At(0, 27), MakePixel(90, 91, 92));
    EXPECT_EQ(minimised.At(140, 6), StateColour(9, 1));  // the close button
    EXPECT_EQ(text.lines.size(), 1u);

    FrameMetrics withBand = m;
    withBand.MenuBarHeight = 20;
    Bitmap window(300, 200, MakePixel(50, 50, 50));
    skin::FillMenuBand(window, *skin, withBand, look);
    EXPECT_EQ(window.At(4, 24), MakePixel(90, 91, 92));
    EXPECT_EQ(window.At(295, 43), MakePixel(90, 91, 92));
    EXPECT_EQ(window.At(3, 24), MakePixel(50, 50, 50));
    EXPECT_EQ(window.At(4, 44), MakePixel(50, 50, 50));

    CaptionState noCaption = NormalWindow();
    noCaption.Kind = FrameKind::NoCaption;
    Bitmap bare(300, 200, MakePixel(50, 50, 50));
    const Bitmap before = bare;
    skin::PaintFrame(bare, *skin, skin::MeasureFrame(*skin, FrameKind::NoCaption, 0), noCaption,
                     buttons, "Lexora", text, icon, look);
    EXPECT_EQ(bare, before);
}

TEST(FrameComposition, DrawsTheIconButtonFromTheWindowsIcon) {
    SkinDefinition s = FramedSkin();
    TSkinSysButtonObject icon = Button(3, 0, 6, 4);
    icon.Image = Bitmap();
    const SkinSnapshot skin = WithButtons(std::move(s), {icon});
    const FrameMetrics m = skin::MeasureFrame(*skin, FrameKind::Fixed, 0);
    Bitmap picture(16, 16, MakePixel(7, 7, 7));
    picture.At(0, 0) = pixels::kMagenta;
    Bitmap window(300, 200);
    RecordingText text;
    std::vector<TCaptionButton> buttons = skin::MakeCaptionButtons(skin);
    skin::PaintFrame(window, *skin, m, NormalWindow(), buttons, "", text, picture,
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
