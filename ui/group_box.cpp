#include "ui/group_box.h"

#include "ui/wide_text.h"
#include "ui/window_class.h"

namespace ui {

TGroupBox::TGroupBox(TComponent& owner, TControl* parent, int left, int top, int width, int height)
    : TControl(owner, parent) {
    RegisterOwnClass(L"TGroupBox", CS_HREDRAW | CS_VREDRAW);
    CreateWnd(L"TGroupBox", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
              WS_EX_CONTROLPARENT, left, top, width, height);
}

void TGroupBox::Paint(HDC dc) {
    RECT r = ClientRect();
    FillRect(dc, &r, ColorBrush());
    Selection font(dc, FontHandle());
    const std::wstring caption = Widen(Caption());
    SIZE text{};
    GetTextExtentPoint32W(dc, L"0", 1, &text);
    RECT frame = r;
    frame.top = text.cy / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (caption.empty())
        return;
    SIZE extent{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    RECT band{6, 0, 8 + extent.cx + 2, extent.cy};
    FillRect(dc, &band, ColorBrush());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Font().Color()));
    TextOutW(dc, 8, 0, caption.c_str(), static_cast<int>(caption.size()));
}

void TGroupBox::WndProc(TMessage& m) {
    switch (m.Msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = m.WParam ? reinterpret_cast<HDC>(m.WParam) : BeginPaint(Handle(), &ps);
            Paint(dc);
            if (!m.WParam)
                EndPaint(Handle(), &ps);
            return;
        }
        case WM_ERASEBKGND:
            m.Result = 1;
            return;
        case WM_SETTEXT:
            DefaultHandler(m);
            Invalidate();
            return;
    }
    TControl::WndProc(m);
}

}  // namespace ui
