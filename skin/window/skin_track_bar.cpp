#include "skin/window/skin_track_bar.h"

#include <commctrl.h>

namespace skin::window {
namespace {

Rect RectOf(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

TSkinTrackBar::TSkinTrackBar(const ControlContext& context)
    : TSkinControl(context, {SkinnedControlKind::TSkinTrackBar}) {}

bool TSkinTrackBar::CanDraw(const SkinDefinition& skin) const {
    const bool vertical = GetWindowLongW(Window(), GWL_STYLE) & TBS_VERT;
    return SkinDrawsMember({SkinnedControlKind::TSkinTrackBar, vertical}, skin);
}

bool TSkinTrackBar::BeforeMessage(ui::TMessage& m, const ui::NextHandler& next) {
    return !PaintAlone(m) && TSkinControl::BeforeMessage(m, next);
}

bool TSkinTrackBar::OnThumb(LPARAM at) const {
    RECT thumb{};
    SendMessageW(Window(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const POINT p{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    return PtInRect(&thumb, p) != FALSE;
}

void TSkinTrackBar::AfterMessage(ui::TMessage& m) {
    switch (m.Msg) {
        case WM_LBUTTONDOWN:
            pressed_ = GetCapture() == Window() && OnThumb(m.LParam);
            Repaint();
            break;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            pressed_ = false;
            Repaint();
            break;
        case WM_MOUSEMOVE:
            if (const bool on = OnThumb(m.LParam); on != hot_) {
                hot_ = on;
                TrackPointerLeave();
                Repaint();
            }
            break;
        case WM_MOUSELEAVE:
            hot_ = false;
            Repaint();
            break;
        case TBM_SETPOS:
        case TBM_SETRANGE:
            Repaint();
            break;
        default:
            TSkinControl::AfterMessage(m);
            break;
    }
}

TrackBarFacts TSkinTrackBar::Facts() const {
    const HWND bar = Window();
    TrackBarFacts f;
    const LONG style = GetWindowLongW(bar, GWL_STYLE);
    f.vertical = (style & TBS_VERT) != 0;
    f.ticksTopLeft = (style & TBS_TOP) != 0;
    f.ticksBoth = (style & TBS_BOTH) != 0;
    f.noTicks = (style & TBS_NOTICKS) != 0;
    RECT channel{}, thumb{};
    SendMessageW(bar, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    SendMessageW(bar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    // A standing bar reports its channel lying.
    if (f.vertical)
        channel = {channel.top, channel.left, channel.bottom, channel.right};
    f.channel = RectOf(channel);
    f.thumb = RectOf(thumb);
    const int ticks = static_cast<int>(SendMessageW(bar, TBM_GETNUMTICS, 0, 0));
    for (int i = 0; i + 2 < ticks; ++i) {
        const LRESULT at = SendMessageW(bar, TBM_GETTICPOS, i, 0);
        if (at >= 0)
            f.ticks.push_back(static_cast<int>(at));
    }
    f.thumbState = {pressed_, hot_, GetFocus() == bar, Enabled()};
    f.background = ParentColour();
    return f;
}

void TSkinTrackBar::DrawControl(HDC dc, Rect place, const SkinDefinition& skin) {
    Bitmap picture(place.Width(), place.Height());
    PaintTrackBar(picture, place, Facts(), skin, Look());
    Blit(dc, picture, place);
}

}  // namespace skin::window
