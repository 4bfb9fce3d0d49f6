#include "skin/window/held_drawing.h"

#include "skin/window/dib.h"

namespace skin::window {

HeldDrawing::HeldDrawing(HWND window)
    : window_(window), shown_((GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0) {
    if (!shown_)
        return;
    GetWindowRect(window_, &before_);
    SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
}

HeldDrawing::~HeldDrawing() {
    if (!shown_)
        return;
    SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
    RECT after;
    GetWindowRect(window_, &after);
    const OwnedRegion uncovered(CreateRectRgnIndirect(&before_));
    const OwnedRegion covered(
        CreateRectRgn(0, 0, after.right - after.left, after.bottom - after.top));
    if (uncovered && covered) {
        GetWindowRgn(window_, covered.get());
        OffsetRgn(covered.get(), after.left, after.top);
        if (CombineRgn(uncovered.get(), uncovered.get(), covered.get(), RGN_DIFF) > NULLREGION)
            RedrawWindow(nullptr, nullptr, uncovered.get(),
                         RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    RedrawWindow(window_, nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace skin::window
