#include "skin/control_border.h"

#include <algorithm>
#include <vector>

#include "skin/control_colours.h"
#include "skin/rect_fill.h"
#include "text/text_rules.h"

namespace skin {

int BorderRings(Size window, Rect client) {
    const int thinnest = std::min(
        {client.left, client.top, window.width - client.right, window.height - client.bottom});
    return std::clamp(thinnest, 0, 2);
}

namespace {

// The parts of `r` outside `cut` (at most four rectangles), added to `out`.
void AddDifference(const Rect& r, const Rect& cut, std::vector<Rect>& out) {
    const Rect common{std::max(r.left, cut.left), std::max(r.top, cut.top),
                      std::min(r.right, cut.right), std::min(r.bottom, cut.bottom)};
    if (common.Empty()) {
        out.push_back(r);
        return;
    }
    if (r.top < common.top)
        out.push_back({r.left, r.top, r.right, common.top});
    if (common.bottom < r.bottom)
        out.push_back({r.left, common.bottom, r.right, r.bottom});
    if (r.left < common.left)
        out.push_back({r.left, common.top, common.left, common.bottom});
    if (common.right < r.right)
        out.push_back({common.right, common.top, r.right, common.bottom});
}

}  // namespace

bool FrameCovered(Size window, Rect client, int rings, std::span<const Rect> covers) {
    const Rect inside = Inflate(Rect{0, 0, window.width, window.height}, -rings, -rings);
    std::vector<Rect> open;
    if (!inside.Empty())
        AddDifference(inside, client, open);
    for (const Rect& cover : covers) {
        std::vector<Rect> rest;
        for (const Rect& part : open)
            AddDifference(part, cover, rest);
        open = std::move(rest);
    }
    return open.empty();
}

bool ScrollControlHasBorder(bool borderStyleNone, std::string_view className) {
    return !borderStyleNone && text::LowerAscii(className) != "timagescrollbox";
}

void PaintControlBorder(Bitmap& target, Rect place, int rings, const SkinDefinition& skin,
                        const SystemLook& system) {
    if (rings >= 1)
        FrameRect(target, place, PixelOf(skin.Colours.ButtonShadow, system));
    if (rings >= 2)
        FrameRect(target, Inflate(place, -1, -1), PixelOf(skin.Colours.ButtonFace, system));
}

std::array<Rect, 4> BorderStrips(Rect place, int rings) {
    return {Rect{place.left, place.top, place.right, place.top + rings},
            Rect{place.left, place.bottom - rings, place.right, place.bottom},
            Rect{place.left, place.top + rings, place.left + rings, place.bottom - rings},
            Rect{place.right - rings, place.top + rings, place.right, place.bottom - rings}};
}

}  // namespace skin
