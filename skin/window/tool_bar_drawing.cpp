#include "skin/window/tool_bar_drawing.h"

#include "skin/control_colours.h"
#include "skin/push_button_look.h"
#include "skin/rect_fill.h"
#include "skin/tool_bar_look.h"
#include "skin/window/dib.h"
#include "ui/message.h"

namespace skin::window {
namespace {

ToolButtonState StateOf(UINT itemState) {
    ToolButtonState s;
    s.selected = (itemState & CDIS_SELECTED) != 0;
    s.checked = (itemState & CDIS_CHECKED) != 0;
    s.hot = (itemState & CDIS_HOT) != 0;
    s.focused = (itemState & CDIS_FOCUS) != 0;
    s.greyed = (itemState & CDIS_GRAYED) != 0;
    s.disabled = (itemState & CDIS_DISABLED) != 0;
    return s;
}

Rect RectOf(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

ToolBarDrawing::ToolBarDrawing(ui::TControl& toolBar, TSkinData& data, const SystemLook& look,
                               std::function<bool()> running)
    : window_(toolBar.Handle()), data_(data), look_(look), running_(std::move(running)) {
    link_ = ui::HandlerLink(
        toolBar.Handlers(),
        [this](ui::TMessage& m, const ui::NextHandler& next) { OnMessage(m, next); });
    InvalidateRect(window_, nullptr, TRUE);
}

void ToolBarDrawing::OnMessage(ui::TMessage& m, const ui::NextHandler& next) {
    if (m.Msg == ui::CN_BASE + WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(m.LParam);
        if (header->code == NM_CUSTOMDRAW && header->hwndFrom == window_) {
            try {
                m.Result = CustomDraw(*reinterpret_cast<NMTBCUSTOMDRAW*>(m.LParam));
            } catch (...) {
                // The bar draws itself in its ordinary way.
                m.Result = CDRF_DODEFAULT;
            }
            return;
        }
    }
    next(m);
}

LRESULT ToolBarDrawing::CustomDraw(NMTBCUSTOMDRAW& draw) {
    const SkinSnapshot skin = data_.Skin();
    if (!skin)
        return CDRF_DODEFAULT;
    const bool gradient =
        ToolBarGetsGradient(*skin, data_.Options.Contains(TSkinOption::xoToolbarBK));
    RECT bar;
    GetClientRect(window_, &bar);
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            if (gradient) {
                Bitmap picture(bar.right, bar.bottom);
                PaintToolBarBackground(picture, RectOf(bar), *skin);
                Blit(draw.nmcd.hdc, picture, RectOf(bar));
            }
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT: {
            if (!running_())
                return CDRF_DODEFAULT;
            const std::optional<Look> look = ToolButtonLook(StateOf(draw.nmcd.uItemState), *skin);
            if (!look)
                return CDRF_DODEFAULT;
            const Rect button = RectOf(draw.nmcd.rc);
            // The face is composed over what lies behind the button.
            Bitmap picture(bar.right, bar.bottom);
            if (gradient)
                PaintToolBarBackground(picture, RectOf(bar), *skin);
            else
                FillRect(picture, RectOf(bar), PixelOf(skin->Colours.ButtonFace, look_));
            PaintToolButton(picture, button, *look, *skin);
            Blit(draw.nmcd.hdc, picture, button);
            const Colour text = PushButtonTextColour(
                *skin, *look, ResolveColour(SystemColour(SystemColourIndex::ButtonText), look_),
                look_);
            draw.clrText = static_cast<COLORREF>(text);
            return TBCDRF_NOEDGES | TBCDRF_NOBACKGROUND;
        }
        default:
            return CDRF_DODEFAULT;
    }
}

}  // namespace skin::window
