#include "skin/arrow_button_look.h"

#include "skin/control_colours.h"
#include "skin/nine_slice.h"
#include "skin/pixel_ops.h"
#include "skin/rect_fill.h"

namespace skin {
namespace {

Bitmap Turned(const Bitmap& arrow, ArrowDirection direction) {
    switch (direction) {
        case ArrowDirection::Up:
            return Flip(arrow);
        case ArrowDirection::Left:
            return RotateClockwise(arrow);
        case ArrowDirection::Right:
            return RotateAnticlockwise(arrow);
        case ArrowDirection::Down:
            break;
    }
    return arrow;
}

}  // namespace

void PaintArrowButton(Bitmap& target, Rect place, ArrowDirection direction, Look look,
                      const SkinDefinition& skin, const SystemLook& system) {
    FillRect(target, place, PixelOf(skin.Colours.ButtonFace, system));
    const TSkinObject& arrows = skin.ComboxArrow;
    if (arrows.Image.Empty())
        return;
    const Rect slice =
        SliceRect(arrows.Image, arrows.Frame, SliceOf(look), SliceLayout::SideBySide);
    const Bitmap arrow = Turned(Crop(arrows.Image, slice), direction);
    DrawCentred(target, place, arrow, {0, 0, arrow.Width(), arrow.Height()}, true);
}

}  // namespace skin
