#include "skin/window/skin_edit.h"

#include <commctrl.h>

#include "skin/combo_box_look.h"
#include "skin/control_border.h"

namespace skin::window {
TSkinEdit::TSkinEdit(const ControlContext& context, SkinnedControlKind member)
    : TSkinControl(context, {member}), picker_(member == SkinnedControlKind::TSkinDateTime) {}

void TSkinEdit::AfterMessage(ui::TMessage& m) {
    switch (m.Msg) {
        case WM_NCPAINT:
            PaintWindow(nullptr);
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            pressed_ = picker_;
            PaintWindow(nullptr);
            break;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            pressed_ = false;
            PaintWindow(nullptr);
            break;
        case WM_MOUSEMOVE:
            if (!hot_ && Enabled()) {
                hot_ = true;
                TrackPointerLeave();
                PaintWindow(nullptr);
            }
            break;
        case WM_MOUSELEAVE:
            hot_ = false;
            PaintWindow(nullptr);
            break;
        default:
            TSkinControl::AfterMessage(m);
            break;
    }
}

DateTimeFacts TSkinEdit::Facts() const {
    const Rect place = WindowPlace(Window());
    DateTimeFacts f;
    f.rings = BorderRings({place.Width(), place.Height()}, ClientPlace(Window()));
    const LONG style = GetWindowLongW(Window(), GWL_STYLE);
    f.dropDown = picker_ && !(style & DTS_UPDOWN);
    f.rightToLeft = (GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
    f.look = ComboBoxLook(pressed_, hot_ || GetFocus() == Window(), Enabled());
    f.arrowWidth = GetSystemMetrics(SM_CXHSCROLL);
    return f;
}

void TSkinEdit::DrawControl(HDC dc, Rect place, const SkinDefinition& skin) {
    const DateTimeFacts facts = Facts();
    Bitmap picture(place.Width(), place.Height());
    PaintDateTimePicker(picture, place, facts, skin, Look());
    if (facts.rings > 0) {
        for (const Rect& strip : BorderStrips(place, facts.rings))
            Blit(dc, picture, strip);
    }
    if (facts.dropDown)
        Blit(dc, picture, DateTimeButton(place, facts));
}

}  // namespace skin::window
