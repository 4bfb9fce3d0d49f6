#include "skin/rect_fill.h"

#include <algorithm>

namespace skin {

void FillRect(Bitmap& target, Rect r, Pixel colour) {
    const int x0 = std::max(r.left, 0), x1 = std::min(r.right, target.Width());
    const int y0 = std::max(r.top, 0), y1 = std::min(r.bottom, target.Height());
    for (int y = y0; y < y1; ++y) {
        Pixel* row = target.Row(y);
        std::fill(row + x0, row + std::max(x0, x1), colour);
    }
}

void FrameRect(Bitmap& target, Rect r, Pixel colour) {
    if (r.Empty())
        return;
    FillRect(target, {r.left, r.top, r.right, r.top + 1}, colour);
    FillRect(target, {r.left, r.bottom - 1, r.right, r.bottom}, colour);
    FillRect(target, {r.left, r.top, r.left + 1, r.bottom}, colour);
    FillRect(target, {r.right - 1, r.top, r.right, r.bottom}, colour);
}

}  // namespace skin
