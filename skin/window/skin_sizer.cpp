#include "skin/window/skin_sizer.h"

namespace skin::window {

TSkinSizer::TSkinSizer(const ControlContext& context)
    : TSkinControl(context, {SkinnedControlKind::TSkinSizer}) {}

bool TSkinSizer::CanDraw(const SkinDefinition& skin) const {
    const ScrollBarWindowFacts f = Facts();
    return SkinDrawsMember({SkinnedControlKind::TSkinSizer, false, 1, f.sizeBox || f.sizeGrip},
                           skin);
}

bool TSkinSizer::BeforeMessage(ui::TMessage& m, const ui::NextHandler& next) {
    return !PaintAlone(m) && TSkinControl::BeforeMessage(m, next);
}

void TSkinSizer::AfterMessage(ui::TMessage& m) {
    switch (m.Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_ENABLE:
        case SBM_SETSCROLLINFO:
        case SBM_SETPOS:
        case SBM_SETRANGE:
            Repaint();
            break;
        default:
            TSkinControl::AfterMessage(m);
            break;
    }
}

ScrollBarWindowFacts TSkinSizer::Facts() const {
    ScrollBarWindowFacts f;
    const LONG style = GetWindowLongW(Window(), GWL_STYLE);
    f.sizeBox = (style & SBS_SIZEBOX) != 0;
    f.sizeGrip = (style & SBS_SIZEGRIP) != 0;
    f.arrow = Look().HorzScrollArrowWidth();
    f.bar.Vertical = (style & SBS_VERT) != 0;
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    if (!f.sizeBox && !f.sizeGrip && GetScrollBarInfo(Window(), OBJID_CLIENT, &info)) {
        f.bar.Enabled = !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
        f.bar.ThumbStart = info.xyThumbTop;
        f.bar.ThumbEnd = info.xyThumbBottom;
    }
    return f;
}

void TSkinSizer::DrawControl(HDC dc, Rect place, const SkinDefinition& skin) {
    Bitmap picture(place.Width(), place.Height());
    PaintScrollBarWindow(picture, place, Facts(), skin, Look());
    Blit(dc, picture, place);
}

}  // namespace skin::window
