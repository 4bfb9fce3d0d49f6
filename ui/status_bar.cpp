#include "ui/status_bar.h"

#include <commctrl.h>

#include "ui/wide_text.h"
#include "ui/window_class.h"

namespace ui {

TStatusBar::TStatusBar(TComponent& owner, TControl* parent, int left, int top, int width,
                       int height)
    : TControl(owner, parent) {
    RegisterSuperclass(STATUSCLASSNAMEW, L"TStatusBar");
    CreateWnd(L"TStatusBar",
              WS_CHILD | WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 0, left,
              top, width, height);
}

void TStatusBar::SetPanels(const std::vector<int>& widths) {
    std::vector<int> edges;
    int right = 0;
    for (size_t i = 0; i < widths.size(); ++i) {
        right += widths[i];
        edges.push_back(i + 1 == widths.size() ? -1 : right);
    }
    SendMessageW(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    texts_.assign(widths.size(), std::string());
}

void TStatusBar::SetPanelText(int panel, std::string_view text, TAlignment alignment) {
    if (panel < 0 || panel >= static_cast<int>(texts_.size()))
        return;
    texts_[panel] = std::string(text);
    // Tabs in front of the text centre it (one) or align it right (two).
    const std::wstring prefix = alignment == TAlignment::taCenter         ? L"\t"
                                : alignment == TAlignment::taRightJustify ? L"\t\t"
                                                                          : L"";
    const std::wstring wide = prefix + Widen(text);
    SendMessageW(Handle(), SB_SETTEXTW, panel, reinterpret_cast<LPARAM>(wide.c_str()));
}

std::string TStatusBar::PanelText(int panel) const {
    return panel >= 0 && panel < static_cast<int>(texts_.size()) ? texts_[panel] : std::string();
}

}  // namespace ui
