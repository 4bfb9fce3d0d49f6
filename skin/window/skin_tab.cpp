#include "skin/window/skin_tab.h"

#include <commctrl.h>

#include "ui/wide_text.h"

namespace skin::window {

TSkinTab::TSkinTab(const ControlContext& context, SkinnedControlKind member)
    : TSkinControl(context, {member}), tabSet_(member == SkinnedControlKind::TSkinTab31) {}

bool TSkinTab::BeforeMessage(ui::TMessage& m, const ui::NextHandler& next) {
    return !PaintAlone(m) && TSkinControl::BeforeMessage(m, next);
}

int TSkinTab::TabAt(LPARAM at) const {
    TCHITTESTINFO hit{};
    hit.pt = {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    return static_cast<int>(SendMessageW(Window(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

void TSkinTab::AfterMessage(ui::TMessage& m) {
    switch (m.Msg) {
        case WM_MOUSEMOVE:
        case WM_MOUSELEAVE:
            FollowHotPart(m, hot_, m.Msg == WM_MOUSEMOVE ? TabAt(m.LParam) : -1);
            break;
        case TCM_SETCURSEL:
        case TCM_INSERTITEMW:
        case TCM_DELETEITEM:
        case TCM_SETITEMW:
            Repaint();
            break;
        default:
            TSkinControl::AfterMessage(m);
            break;
    }
}

TabStripFacts TSkinTab::Facts() const {
    const HWND tabs = Window();
    TabStripFacts f;
    const LONG style = GetWindowLongW(tabs, GWL_STYLE);
    f.side = (style & TCS_VERTICAL) ? ((style & TCS_RIGHT) ? TabSide::Right : TabSide::Left)
             : (style & TCS_BOTTOM) ? TabSide::Bottom
                                    : TabSide::Top;
    f.selected = static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
    f.hot = hot_;
    f.enabled = Enabled();
    const HWND focus = GetFocus();
    f.focused = focus == tabs;
    f.fontColour = FontColour();
    f.focusRect = !HasOption(TSkinOption::xoNoFocusRect);
    const int count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        RECT r{};
        SendMessageW(tabs, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
        wchar_t text[128] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 128;
        SendMessageW(tabs, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
        f.tabs.push_back({{r.left, r.top, r.right, r.bottom}, Narrow(text)});
    }
    return f;
}

void TSkinTab::DrawControl(HDC dc, Rect place, const SkinDefinition& skin) {
    Bitmap picture(place.Width(), place.Height());
    if (tabSet_)
        PaintTabSet(picture, place, Facts(), skin, Font(), Look());
    else
        PaintTabControl(picture, place, Facts(), skin, Font(), Look());
    const int saved = SaveDC(dc);
    ExcludeChildWindows(dc, Window());
    Blit(dc, picture, place);
    RestoreDC(dc, saved);
}

}  // namespace skin::window
