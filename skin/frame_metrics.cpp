#include "skin/frame_metrics.h"

#include <algorithm>

namespace skin {
namespace {

int PerFrame(int length, int frames) {
    return length / std::max(frames, 1);
}

}  // namespace

Rect FrameMetrics::ClientRect(Size window) const {
    return {BorderLeft, CaptionHeight + MenuBarHeight, window.width - BorderRight,
            window.height - BorderBottom};
}

Rect FrameMetrics::MenuBand(Size window) const {
    return {BorderLeft, CaptionHeight, window.width - BorderRight, CaptionHeight + MenuBarHeight};
}

FrameMetrics MeasureFrame(const SkinDefinition& skin, FrameKind kind, int menuBarHeight) {
    if (kind == FrameKind::NoCaption)
        return {};
    FrameMetrics m;
    m.CaptionHeight = PerFrame(skin.Top.Image.Height(), skin.Top.Frame);
    m.BorderLeft = PerFrame(skin.Left.Image.Width(), skin.Left.Frame);
    m.BorderRight = PerFrame(skin.Right.Image.Width(), skin.Right.Frame);
    m.BorderBottom = PerFrame(skin.Bottom.Image.Height(), skin.Bottom.Frame);
    m.MenuBarHeight = menuBarHeight;
    return m;
}

}  // namespace skin
