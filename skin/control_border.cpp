#include "skin/control_border.h"

#include <algorithm>

#include "skin/control_colours.h"
#include "skin/rect_fill.h"
#include "text/text_rules.h"

namespace skin {

int BorderRings(Size window, Rect client) {
    const int thinnest = std::min(
        {client.left, client.top, window.width - client.right, window.height - client.bottom});
    return std::clamp(thinnest, 0, 2);
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
