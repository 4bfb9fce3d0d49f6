#include "skin/window/skin_combo_box.h"

#include "skin/window/engine_messages.h"
#include "ui/message.h"

namespace skin::window {

TSkinComBox::TSkinComBox(const ControlContext& context)
    : TSkinControl(context, {SkinnedControlKind::TSkinComBox}) {}

void TSkinComBox::AttachControl(ui::TControl& control, bool changeColor) {
    TSkinControl::AttachControl(control, changeColor);
    FollowEditPart();
}

void TSkinComBox::AttachWindow(HWND window) {
    TSkinControl::AttachWindow(window);
    FollowEditPart();
}

void TSkinComBox::FollowEditPart() {
    const LONG style = GetWindowLongW(Window(), GWL_STYLE);
    if (IsSimpleCombo(static_cast<uint32_t>(style))) {
        SkinSimpleList();
        return;
    }
    edit_ = GetWindow(Window(), GW_CHILD);
    if (!edit_)
        return;
    editSubclass_ = std::make_unique<ui::WindowSubclass>(
        edit_, [this](ui::TMessage& m, const ui::NextHandler& next) { OnEditMessage(m, next); });
}

void TSkinComBox::SkinSimpleList() {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(Window(), &info) || !info.hwndList)
        return;
    const bool child = (GetWindowLongW(info.hwndList, GWL_STYLE) & WS_CHILD) != 0;
    if (!child || SendMessageW(info.hwndList, kAlreadySkinnedMessage, 0, 0) == 1)
        return;
    listScrollBar_ = std::make_unique<TSkinScrollbar>(ControlContext{Data(), Look(), FrameWindow()},
                                                      SkinnedControlKind::TSkinScrollbarH, true);
    listScrollBar_->AttachWindow(info.hwndList);
}

void TSkinComBox::RestoreLook() {
    editSubclass_.reset();
    edit_ = nullptr;
    if (listScrollBar_) {
        listScrollBar_->Detach();
        listScrollBar_.reset();
    }
    TSkinControl::RestoreLook();
}

void TSkinComBox::Refresh() {
    if (listScrollBar_)
        listScrollBar_->Refresh();
    TSkinControl::Refresh();
}

void TSkinComBox::OnEditMessage(ui::TMessage& m, const ui::NextHandler& next) {
    next(m);
    if (!SkinOn() || State() != LifeState::Attached)
        return;
    if (m.Msg == WM_PAINT)
        PaintWindow(nullptr);
    else
        FollowPress(m.Msg);
}

bool TSkinComBox::FollowPress(UINT msg) {
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            pressed_ = true;
            break;
        case WM_LBUTTONUP:
            pressed_ = false;
            break;
        default:
            return false;
    }
    PaintWindow(nullptr);
    return true;
}

void TSkinComBox::AfterMessage(ui::TMessage& m) {
    if (FollowPress(m.Msg))
        return;
    switch (m.Msg) {
        case WM_DRAWITEM:
        case WM_NCPAINT:
            PaintWindow(nullptr);
            break;
        case ui::CM_MOUSEENTER:
            hot_ = Enabled();
            break;
        case ui::CM_MOUSELEAVE:
            hot_ = false;
            if (Enabled())
                PaintWindow(nullptr);
            break;
        case ui::CN_BASE + WM_COMMAND:
            // The list closed: the button comes back up.
            if (HIWORD(m.WParam) == CBN_CLOSEUP) {
                pressed_ = false;
                PaintWindow(nullptr);
            }
            break;
        default:
            TSkinControl::AfterMessage(m);
            break;
    }
}

bool TSkinComBox::HasFocus() const {
    const HWND focus = GetFocus();
    return focus && (focus == Window() || focus == edit_);
}

ComboBoxFacts TSkinComBox::Facts() const {
    ComboBoxFacts f;
    const LONG style = GetWindowLongW(Window(), GWL_STYLE);
    f.look = ComboBoxLook(pressed_, HasFocus() || hot_, !(style & WS_DISABLED));
    f.rightToLeft = (GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(Window(), &info))
        f.buttonHidden = (info.stateButton & STATE_SYSTEM_INVISIBLE) != 0;
    f.metrics.ArrowWidth = GetSystemMetrics(SM_CXHSCROLL);
    f.metrics.ThumbHeight = GetSystemMetrics(SM_CYVTHUMB);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    f.metrics.Brush = pixels::MakePixel(GetRValue(window), GetGValue(window), GetBValue(window));
    return f;
}

void TSkinComBox::DrawControl(HDC dc, Rect place, const SkinDefinition& skin) {
    const ComboBoxFacts facts = Facts();
    Bitmap picture(place.Width(), place.Height());
    PaintComboBox(picture, place, facts, skin, Look());
    // What the box shows inside the field is its own: the edit part, or
    // the selected item of a drop-down list.
    const int saved = SaveDC(dc);
    if (edit_) {
        RECT own, r;
        GetWindowRect(Window(), &own);
        GetWindowRect(edit_, &r);
        ExcludeClipRect(dc, r.left - own.left, r.top - own.top, r.right - own.left,
                        r.bottom - own.top);
    } else if (skin.ComboButton->Style != 1) {
        const int s = facts.metrics.ArrowWidth;
        const int w = place.Width(), h = place.Height();
        if (facts.rightToLeft)
            ExcludeClipRect(dc, s + 4, 2, w - 2, h - 2);
        else
            ExcludeClipRect(dc, 2, 2, w - s - 4, h - 2);
    }
    Blit(dc, picture, place);
    RestoreDC(dc, saved);
}

}  // namespace skin::window
