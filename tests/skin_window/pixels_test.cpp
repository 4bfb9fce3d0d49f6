// The frames of real windows, taken from the screen as a user's tools would,
// against the portable composition of the same skin, size and state: pixel
// for pixel, for the five skins of the program, active and inactive.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "skin/frame_metrics.h"
#include "skin/window/dib.h"
#include "skin/window/gdi_text_painter.h"
#include "skin/window/window_icon.h"
#include "skin/window_frame.h"
#include "skin/window_outline.h"
#include "skin_window_fixture.h"

namespace skinwindow {
namespace {

using pixels::Bitmap;

// The skin archives the native build paints and packs.
std::string SkinArchive(int index) {
    return std::string(LEXORA_SKINS) + "/SkinItem" + std::to_string(index) + ".lzh";
}

skin::FrameKind FrameKindOf(Kind kind) {
    switch (kind) {
        case Kind::Sizeable:
            return skin::FrameKind::Sizeable;
        case Kind::Fixed:
            return skin::FrameKind::Fixed;
        case Kind::Dialog:
            return skin::FrameKind::Dialog;
        case Kind::NoCaption:
            break;
    }
    return skin::FrameKind::NoCaption;
}

class FramePixels : public SkinWindowTest {
  protected:
    FramePixels() { AddSkinData(); }

    // The frame as the composition draws it for the window.
    Bitmap Composed(const TestWindow& w, Kind kind, bool active) {
        const skin::SkinSnapshot skin = main->Skin();
        const SIZE size = w.WindowSize();
        const skin::FrameMetrics m = skin::MeasureFrame(*skin, FrameKindOf(kind), 0);
        skin::CaptionState state;
        state.Active = active;
        const LONG style = GetWindowLongW(w.Handle(), GWL_STYLE);
        state.MaximiseBox = (style & WS_MAXIMIZEBOX) != 0;
        state.MinimiseBox = (style & WS_MINIMIZEBOX) != 0;
        state.SystemMenu = true;
        state.Kind = FrameKindOf(kind);
        std::vector<skin::TCaptionButton> buttons = skin::MakeCaptionButtons(skin);
        skin::window::GdiTextPainter caption(skin::window::CaptionLogFont(),
                                             skin::window::Ampersand::Plain);
        const Bitmap icon = skin::window::IconPicture(skin::window::WindowIcon(w.Handle()),
                                                      skin::window::SmallIconSize());
        Bitmap picture(size.cx, size.cy);
        skin::PaintFrame(picture, *skin, m, state, buttons, "皮肤 Skin", caption, icon, look);
        return picture;
    }

    // The pixels of the frame that differ between the screen and the
    // composition, inside the window's outline; each as "x,y".
    std::vector<std::string> Differences(const TestWindow& w, Kind kind, bool active) {
        const Bitmap expected = Composed(w, kind, active);
        const RECT r = w.WindowRect();
        const Bitmap shown = skin::window::ScreenPicture({r.left, r.top, r.right, r.bottom});
        const skin::SkinSnapshot skin = main->Skin();
        const skin::FrameMetrics m = skin::MeasureFrame(*skin, FrameKindOf(kind), 0);
        const skin::Size size{expected.Width(), expected.Height()};
        const skin::PixelMask outline =
            skin::BuildWindowOutline(*skin, m, FrameKindOf(kind), size, active);
        const skin::Rect client = m.ClientRect(size);
        std::vector<std::string> differences;
        for (int y = 0; y < size.height; ++y) {
            for (int x = 0; x < size.width; ++x) {
                if (client.Contains({x, y}) || !outline.Contains(x, y))
                    continue;
                if (shown.At(x, y) != expected.At(x, y) && differences.size() < 5)
                    differences.push_back(std::to_string(x) + "," + std::to_string(y));
            }
        }
        return differences;
    }
};

TEST_F(FramePixels, EachSkinsFrameIsItsCompositionActiveAndInactive) {
    for (int index = 0; index < 5; ++index) {
        main->SetSkinFile(SkinArchive(index));
        ASSERT_FALSE(main->NotLoaded()) << SkinArchive(index);
        Manager().RunPendingCommand();
        for (const Kind kind : {Kind::Sizeable, Kind::Fixed, Kind::Dialog}) {
            SCOPED_TRACE(testing::Message() << "skin " << index << ", " << KindName(kind));
            TestWindow w(kind, L"SkinTestWindow", 60, 60);
            w.Show();
            ASSERT_NE(FrameOf(w), nullptr);
            // Wine copies a window's pixels to the screen a little later.
            PumpMessages(120);
            EXPECT_EQ(Differences(w, kind, true), std::vector<std::string>{}) << "active";

            TestWindow other(Kind::Fixed, L"SkinTestWindow", 600, 500);
            other.Show();
            PumpMessages(120);
            EXPECT_EQ(Differences(w, kind, false), std::vector<std::string>{}) << "inactive";
            EXPECT_NE(Differences(w, kind, true), std::vector<std::string>{})
                << "the comparison tells the two looks apart";
        }
    }
}

}  // namespace
}  // namespace skinwindow
