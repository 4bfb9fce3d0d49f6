#include "skin/up_down_look.h"

#include "skin/control_colours.h"
#include "skin/looks.h"
#include "skin/nine_slice.h"
#include "skin/pixel_ops.h"
#include "skin/rect_fill.h"
#include "skin/skin_object_drawing.h"
#include "skin/small_glyphs.h"

namespace skin {

using pixels::kMagenta;
using pixels::Pixel;

namespace {

constexpr int kLooksPerButton = 4;

// A look among the four each button has.
int LookOf(const UpDownFacts& f, UpDownHalf half) {
    if (!f.enabled)
        return SliceOf(Look::Disabled);
    if (f.pressed == half)
        return SliceOf(Look::Pressed);
    if (f.hot == half)
        return SliceOf(Look::Hot);
    return SliceOf(Look::Normal);
}

// The stand-in arrow: the drop-down sign turned the half's way.
void DrawPlainArrow(Bitmap& target, Rect box, bool horizontal, UpDownHalf half, Pixel colour) {
    Bitmap sign(7, 4, kMagenta);
    DrawSmallGlyph(sign, 0, 0, SmallGlyph::DropDown, colour);
    const bool first = half == UpDownHalf::First;
    if (horizontal)
        sign = first ? RotateClockwise(sign) : RotateAnticlockwise(sign);
    else if (first)
        sign = Flip(sign);
    DrawCentred(target, box, sign, {0, 0, sign.Width(), sign.Height()}, true);
}

}  // namespace

Rect UpDownHalfPlace(Rect place, bool horizontal, UpDownHalf half) {
    if (half == UpDownHalf::None)
        return {};
    const bool first = half == UpDownHalf::First;
    if (horizontal) {
        const int middle = place.left + place.Width() / 2;
        return first ? Rect{place.left, place.top, middle, place.bottom}
                     : Rect{middle, place.top, place.right, place.bottom};
    }
    const int middle = place.top + place.Height() / 2;
    return first ? Rect{place.left, place.top, place.right, middle}
                 : Rect{place.left, middle, place.right, place.bottom};
}

UpDownHalf UpDownHalfAt(Size control, bool horizontal, int x, int y) {
    if (x < 0 || y < 0 || x >= control.width || y >= control.height)
        return UpDownHalf::None;
    const bool first = horizontal ? x < control.width / 2 : y < control.height / 2;
    return first ? UpDownHalf::First : UpDownHalf::Second;
}

void PaintUpDown(Bitmap& target, Rect place, const UpDownFacts& f, const SkinDefinition& skin,
                 const SystemLook& system) {
    FillRect(target, place, PixelOf(skin.Colours.ButtonFace, system));
    const std::unique_ptr<TSkinBorderObject>& object =
        f.horizontal ? skin.UpDownHorz : skin.UpDownVert;
    if (!object || object->Image.Empty())
        return;
    for (const UpDownHalf half : {UpDownHalf::First, UpDownHalf::Second}) {
        const Rect box = UpDownHalfPlace(place, f.horizontal, half);
        const int slice = LookOf(f, half) + (half == UpDownHalf::Second ? kLooksPerButton : 0);
        DrawObjectState(target, box, *object, slice);
        if (object->Image2.Empty()) {
            const Colour ink = f.enabled ? skin.Colours.ButtonDkShadow : skin.Colours.ButtonShadow;
            DrawPlainArrow(target, box, f.horizontal, half, PixelOf(ink, system));
            continue;
        }
        DrawCentred(target, box, object->Image2,
                    SliceRect(object->Image2, object->Frame, slice, SliceLayout::SideBySide), true);
    }
}

}  // namespace skin
