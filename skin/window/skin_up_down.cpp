#include "skin/window/skin_up_down.h"

#include <commctrl.h>

namespace skin::window {

TSkinUpDown::TSkinUpDown(const ControlContext& context)
    : TSkinControl(context, {SkinnedControlKind::TSkinUpDown}) {}

bool TSkinUpDown::CanDraw(const SkinDefinition& skin) const {
    return SkinDrawsMember({SkinnedControlKind::TSkinUpDown, !Facts().horizontal}, skin);
}

UpDownHalf TSkinUpDown::HalfAt(LPARAM at) const {
    const Rect place = WindowPlace(Window());
    return UpDownHalfAt({place.Width(), place.Height()}, Facts().horizontal,
                        static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at)));
}

void TSkinUpDown::AfterMessage(ui::TMessage& m) {
    switch (m.Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            pressed_ = HalfAt(m.LParam);
            PaintWindow(nullptr);
            break;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            pressed_ = UpDownHalf::None;
            PaintWindow(nullptr);
            break;
        case WM_MOUSEMOVE:
            if (const UpDownHalf half = HalfAt(m.LParam); half != hot_) {
                if (hot_ == UpDownHalf::None)
                    TrackPointerLeave();
                hot_ = half;
                PaintWindow(nullptr);
            }
            break;
        case WM_MOUSELEAVE:
            hot_ = UpDownHalf::None;
            PaintWindow(nullptr);
            break;
        case WM_TIMER:
            // The control repeats its step while a half is held down, and
            // repaints itself with it.
            PaintWindow(nullptr);
            break;
        default:
            TSkinControl::AfterMessage(m);
            break;
    }
}

UpDownFacts TSkinUpDown::Facts() const {
    UpDownFacts f;
    f.horizontal = (GetWindowLongW(Window(), GWL_STYLE) & UDS_HORZ) != 0;
    f.pressed = pressed_;
    f.hot = hot_;
    f.enabled = Enabled();
    return f;
}

void TSkinUpDown::DrawControl(HDC dc, Rect place, const SkinDefinition& skin) {
    Bitmap picture(place.Width(), place.Height());
    PaintUpDown(picture, place, Facts(), skin, Look());
    Blit(dc, picture, place);
}

}  // namespace skin::window
