#include "skin/window/skin_status_bar.h"

#include <commctrl.h>

#include "ui/wide_text.h"

namespace skin::window {
namespace {

// A part's text with the leading tabs that give its alignment taken off.
std::wstring PartText(HWND bar, UINT get, UINT getLength, WPARAM part, LRESULT* kind) {
    const LRESULT length = SendMessageW(bar, getLength, part, 0);
    std::wstring text(LOWORD(length) + 1, L'\0');
    const LRESULT got = SendMessageW(bar, get, part, reinterpret_cast<LPARAM>(text.data()));
    text.resize(LOWORD(got));
    if (kind)
        *kind = HIWORD(got);
    return text;
}

TextAlign TakeAlignment(std::wstring& text) {
    size_t tabs = 0;
    while (tabs < 2 && tabs < text.size() && text[tabs] == L'\t')
        ++tabs;
    text.erase(0, tabs);
    return tabs == 0 ? TextAlign::Left : tabs == 1 ? TextAlign::Centre : TextAlign::Right;
}

}  // namespace

TSkinStatusBar::TSkinStatusBar(const ControlContext& context)
    : TSkinControl(context, {SkinnedControlKind::TSkinStatusBar}) {}

bool TSkinStatusBar::BeforeMessage(ui::TMessage& m, const ui::NextHandler& next) {
    return !PaintAlone(m) && TSkinControl::BeforeMessage(m, next);
}

StatusBarFacts TSkinStatusBar::Facts() const {
    const HWND bar = Window();
    StatusBarFacts f;
    const LONG style = GetWindowLongW(bar, GWL_STYLE);
    const LONG exStyle = GetWindowLongW(bar, GWL_EXSTYLE);
    f.sizeGrip = (style & SBARS_SIZEGRIP) != 0;
    f.rightToLeft = (exStyle & WS_EX_RTLREADING) != 0;
    f.fontColour = FontColour();
    f.simple = SendMessageW(bar, SB_ISSIMPLE, 0, 0) != 0;
    if (f.simple) {
        std::wstring text = PartText(bar, SB_GETTEXTW, SB_GETTEXTLENGTHW, SB_SIMPLEID, nullptr);
        TakeAlignment(text);
        f.simpleText = Narrow(text);
        return f;
    }
    const int parts = static_cast<int>(SendMessageW(bar, SB_GETPARTS, 0, 0));
    for (int i = 0; i < parts; ++i) {
        RECT r;
        if (!SendMessageW(bar, SB_GETRECT, i, reinterpret_cast<LPARAM>(&r)))
            continue;
        StatusPanel panel;
        panel.place = {r.left, r.top, r.right, r.bottom};
        LRESULT kind = 0;
        std::wstring text = PartText(bar, SB_GETTEXTW, SB_GETTEXTLENGTHW, i, &kind);
        panel.bevel = (kind & SBT_NOBORDERS) ? PanelBevel::None
                      : (kind & SBT_POPOUT)  ? PanelBevel::Raised
                                             : PanelBevel::Lowered;
        panel.textStyle = !(kind & SBT_OWNERDRAW);
        panel.align = TakeAlignment(text);
        panel.text = Narrow(text);
        panel.rightToLeft = (kind & SBT_RTLREADING) != 0;
        f.panels.push_back(std::move(panel));
    }
    f.simple = f.panels.empty();
    return f;
}

void TSkinStatusBar::DrawControl(HDC dc, Rect place, const SkinDefinition& skin) {
    Bitmap picture(place.Width(), place.Height());
    PaintStatusBar(picture, place, Facts(), skin, Font(), Look());
    Blit(dc, picture, place);
}

}  // namespace skin::window
