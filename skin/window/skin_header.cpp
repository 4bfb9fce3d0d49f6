#include "skin/window/skin_header.h"

#include <commctrl.h>

#include "ui/wide_text.h"

namespace skin::window {

TSkinHeader::TSkinHeader(const ControlContext& context)
    : TSkinControl(context, {SkinnedControlKind::TSkinHeader}) {}

bool TSkinHeader::BeforeMessage(ui::TMessage& m, const ui::NextHandler& next) {
    return !PaintAlone(m) && TSkinControl::BeforeMessage(m, next);
}

int TSkinHeader::SectionAt(LPARAM at) const {
    HDHITTESTINFO hit{};
    hit.pt = {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    const int index =
        static_cast<int>(SendMessageW(Window(), HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return (hit.flags & HHT_ONHEADER) ? index : -1;
}

void TSkinHeader::AfterMessage(ui::TMessage& m) {
    switch (m.Msg) {
        case WM_LBUTTONDOWN:
            pressed_ = SectionAt(m.LParam);
            Repaint();
            break;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            if (pressed_ >= 0) {
                pressed_ = -1;
                Repaint();
            }
            break;
        case WM_MOUSEMOVE:
        case WM_MOUSELEAVE:
            FollowHotPart(m, hot_, m.Msg == WM_MOUSEMOVE ? SectionAt(m.LParam) : -1);
            break;
        default:
            TSkinControl::AfterMessage(m);
            break;
    }
}

HeaderFacts TSkinHeader::Facts() const {
    const HWND header = Window();
    HeaderFacts f;
    f.pressed = pressed_;
    f.hot = hot_;
    f.enabled = Enabled();
    const int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        RECT r{};
        SendMessageW(header, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
        wchar_t text[128] = {};
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_FORMAT;
        item.pszText = text;
        item.cchTextMax = 128;
        SendMessageW(header, HDM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
        const int align = item.fmt & HDF_JUSTIFYMASK;
        f.sections.push_back({{r.left, r.top, r.right, r.bottom},
                              Narrow(text),
                              align == HDF_CENTER  ? TextAlign::Centre
                              : align == HDF_RIGHT ? TextAlign::Right
                                                   : TextAlign::Left});
    }
    return f;
}

void TSkinHeader::DrawControl(HDC dc, Rect place, const SkinDefinition& skin) {
    Bitmap picture(place.Width(), place.Height());
    PaintHeader(picture, place, Facts(), skin, Font(), Look());
    Blit(dc, picture, place);
}

}  // namespace skin::window
