#include "skin/window/skin_box.h"

namespace skin::window {

TSkinBox::TSkinBox(const ControlContext& context, SkinnedControlKind member)
    : TSkinControl(context, {member}) {}

bool TSkinBox::BeforeMessage(ui::TMessage& m, const ui::NextHandler& next) {
    if (Control() || (m.Msg != WM_ERASEBKGND && m.Msg != WM_CTLCOLORSTATIC &&
                      m.Msg != WM_CTLCOLORBTN && m.Msg != WM_CTLCOLORDLG))
        return TSkinControl::BeforeMessage(m, next);
    const SkinSnapshot skin = Skin();
    const Colour face = ResolveColour(skin->Colours.ButtonFace, Look());
    if (!faceBrush_ || face != faceColour_) {
        faceBrush_.reset(CreateSolidBrush(static_cast<COLORREF>(face)));
        faceColour_ = face;
    }
    const HDC dc = reinterpret_cast<HDC>(m.WParam);
    if (m.Msg == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(Window(), &r);
        FillRect(dc, &r, faceBrush_.get());
        m.Result = 1;
        return false;
    }
    next(m);
    SetBkMode(dc, TRANSPARENT);
    m.Result = reinterpret_cast<intptr_t>(faceBrush_.get());
    return false;
}

void TSkinBox::AfterMessage(ui::TMessage&) {
    // The control paints itself; only its colour is the skin's.
}

}  // namespace skin::window
