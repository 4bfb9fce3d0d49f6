#include "skin/nine_slice.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace skin {

using pixels::kMagenta;
using pixels::Pixel;

namespace {

// For each visible target position along one axis, the source position it
// shows, both for the edge cells and for the middle cell of the slicing (they
// differ only in the middle segment); -1 where the source segment is empty.
struct AxisMap {
    int64_t first = 0;  // first visible position, relative to the target rectangle
    std::vector<int> edge;
    std::vector<int> middle;
    std::vector<bool> inMiddle;
};

int64_t ScaledOffset(int64_t d, int64_t targetLength, int64_t sourceLength, Scaling mode) {
    if (mode == Scaling::Tile)
        return d % sourceLength;
    return (2 * d + 1) * sourceLength / (2 * targetLength);
}

// The source span [sourceStart, sourceStart + sourceLength) with margins lead
// and trail, shown over target positions [0, targetLength), of which only
// [visibleFrom, visibleTo) are computed.
AxisMap MapAxis(int sourceStart, int sourceLength, int lead, int trail, int64_t targetLength,
                int64_t visibleFrom, int64_t visibleTo, const NineSliceStyle& style) {
    lead = std::clamp(lead, 0, sourceLength);
    trail = std::clamp(trail, 0, sourceLength - lead);
    if (targetLength < int64_t{lead} + trail)
        lead = trail = 0;
    const int64_t middleSource = sourceLength - lead - trail;
    const int64_t middleTarget = targetLength - lead - trail;

    AxisMap map;
    map.first = visibleFrom;
    for (int64_t d = visibleFrom; d < visibleTo; ++d) {
        if (d < lead || d >= targetLength - trail) {
            const int64_t offset = d < lead ? d : sourceLength - (targetLength - d);
            map.edge.push_back(static_cast<int>(sourceStart + offset));
            map.middle.push_back(map.edge.back());
            map.inMiddle.push_back(false);
            continue;
        }
        map.inMiddle.push_back(true);
        if (middleSource == 0) {
            map.edge.push_back(-1);
            map.middle.push_back(-1);
            continue;
        }
        const int64_t m = d - lead;
        const int64_t base = int64_t{sourceStart} + lead;
        map.edge.push_back(
            static_cast<int>(base + ScaledOffset(m, middleTarget, middleSource, style.edges)));
        map.middle.push_back(
            static_cast<int>(base + ScaledOffset(m, middleTarget, middleSource, style.middle)));
    }
    return map;
}

}  // namespace

Rect SliceRect(const Bitmap& image, int frames, int state, SliceLayout layout) {
    frames = std::max(frames, 1);
    const int index = std::clamp(state, 1, frames) - 1;
    if (layout == SliceLayout::SideBySide) {
        const int w = image.Width() / frames;
        return {index * w, 0, index * w + w, image.Height()};
    }
    const int h = image.Height() / frames;
    return {0, index * h, image.Width(), index * h + h};
}

void DrawNineSlice(Bitmap& target, Rect to, const Bitmap& source, Rect from, Margins margins,
                   const NineSliceStyle& style) {
    from.left = std::max(from.left, 0);
    from.top = std::max(from.top, 0);
    from.right = std::min(from.right, source.Width());
    from.bottom = std::min(from.bottom, source.Height());
    const int64_t width = int64_t{to.right} - to.left;
    const int64_t height = int64_t{to.bottom} - to.top;
    if (from.Empty() || width <= 0 || height <= 0)
        return;

    const AxisMap xs =
        MapAxis(from.left, from.Width(), margins.left, margins.right, width,
                std::clamp<int64_t>(-int64_t{to.left}, 0, width),
                std::clamp<int64_t>(target.Width() - int64_t{to.left}, 0, width), style);
    const AxisMap ys =
        MapAxis(from.top, from.Height(), margins.top, margins.bottom, height,
                std::clamp<int64_t>(-int64_t{to.top}, 0, height),
                std::clamp<int64_t>(target.Height() - int64_t{to.top}, 0, height), style);
    for (size_t j = 0; j < ys.edge.size(); ++j) {
        Pixel* out = target.Row(static_cast<int>(to.top + ys.first + static_cast<int64_t>(j)));
        for (size_t i = 0; i < xs.edge.size(); ++i) {
            const int sx = ys.inMiddle[j] ? xs.middle[i] : xs.edge[i];
            const int sy = xs.inMiddle[i] ? ys.middle[j] : ys.edge[j];
            if (sx < 0 || sy < 0)
                continue;
            const Pixel p = source.At(sx, sy);
            if (!style.transparent || p != kMagenta)
                out[to.left + xs.first + static_cast<int64_t>(i)] = p;
        }
    }
}

}  // namespace skin
