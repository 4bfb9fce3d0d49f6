#include "skin/window_outline.h"

#include <algorithm>

#include "skin/skin_object_drawing.h"

namespace skin {

using pixels::kMagenta;

namespace {

// The border painted into a picture the size of `place`; its pixels that
// are not magenta join the outline there.
void AddBorder(PixelMask& mask, Rect place, const TSkinBorderObject& border, SliceLayout layout,
               bool active) {
    Bitmap picture(place.Width(), place.Height(), kMagenta);
    DrawBorderPart(picture, {0, 0, place.Width(), place.Height()}, border, layout, active);
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            if (picture.At(x, y) != kMagenta)
                mask.Set(place.left + x, place.top + y, true);
        }
    }
}

}  // namespace

PixelMask::PixelMask(Size size, bool inside)
    : size_{std::max(size.width, 0), std::max(size.height, 0)},
      bits_(static_cast<size_t>(size_.width) * size_.height, inside ? 1 : 0) {}

void PixelMask::SetRect(Rect r, bool inside) {
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, size_.height); ++y) {
        for (int x = std::max(r.left, 0); x < std::min(r.right, size_.width); ++x)
            Set(x, y, inside);
    }
}

PixelMask BuildWindowOutline(const SkinDefinition& skin, const FrameMetrics& m, FrameKind kind,
                             Size window, bool active) {
    const int w = window.width, h = window.height;
    if (skin.Right.Trans + skin.Top.Trans + 2 * skin.Left.Trans == 0)
        return PixelMask(window, true);
    PixelMask mask(window, false);
    mask.SetRect({m.BorderLeft, m.CaptionHeight, w - m.BorderRight, h - m.BorderBottom}, true);
    if (kind == FrameKind::NoCaption)
        return mask;

    const Rect left{0, 0, m.BorderLeft, h};
    if (skin.Left.Trans == 1 && h > 1) {
        AddBorder(mask, left, skin.Left, SliceLayout::SideBySide, active);
    } else {
        mask.SetRect(left, true);
    }
    const Rect right{w - m.BorderRight, 0, w, h};
    if (skin.Right.Trans == 1 && h > 1) {
        AddBorder(mask, right, skin.Right, SliceLayout::SideBySide, active);
    } else {
        mask.SetRect(right, true);
    }
    const Rect bottom{m.BorderLeft, h - m.BorderBottom, w - m.BorderRight, h};
    if (skin.Bottom.Trans == 1 && m.BorderBottom >= 2) {
        AddBorder(mask, bottom, skin.Bottom, SliceLayout::Stacked, active);
    } else {
        mask.SetRect(bottom, true);
    }
    const Rect top{m.BorderLeft, 0, w - m.BorderRight, m.CaptionHeight};
    if (skin.Top.Trans == 1 && m.CaptionHeight > 1 && top.Width() > 0) {
        AddBorder(mask, top, skin.Top, SliceLayout::Stacked, active);
    } else {
        mask.SetRect(top, true);
    }
    return mask;
}

}  // namespace skin
