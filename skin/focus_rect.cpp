#include "skin/focus_rect.h"

#include <algorithm>

namespace skin {
namespace {

void InvertIfDotted(Bitmap& target, int x, int y, Rect clip) {
    if ((x + y) % 2 != 0 || x < clip.left || x >= clip.right || y < clip.top || y >= clip.bottom)
        return;
    target.At(x, y) ^= 0xFFFFFF;
}

}  // namespace

void DrawFocusRect(Bitmap& target, Rect r, Rect clip) {
    clip = {std::max(clip.left, 0), std::max(clip.top, 0), std::min(clip.right, target.Width()),
            std::min(clip.bottom, target.Height())};
    if (r.Empty())
        return;
    // Each pixel of the ring once, corners included, even when the ring is
    // a single row or column.
    for (int x = r.left; x < r.right; ++x) {
        InvertIfDotted(target, x, r.top, clip);
        if (r.bottom - 1 > r.top)
            InvertIfDotted(target, x, r.bottom - 1, clip);
    }
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        InvertIfDotted(target, r.left, y, clip);
        if (r.right - 1 > r.left)
            InvertIfDotted(target, r.right - 1, y, clip);
    }
}

void DrawCaptionFocusRect(Bitmap& target, Rect box, Size text, TextAlign align, Rect clip) {
    const int width = std::min(text.width, box.Width());
    const int left = align == TextAlign::Left    ? box.left
                     : align == TextAlign::Right ? box.right - width
                                                 : box.left + (box.Width() - width) / 2;
    const int top = box.top + (box.Height() - text.height) / 2;
    DrawFocusRect(target, Inflate({left, top, left + width, top + text.height}, 2, 1), clip);
}

}  // namespace skin
