#include "skin/box_look.h"

#include "skin/control_colours.h"
#include "skin/rect_fill.h"

namespace skin {

void PaintBoxBackground(Bitmap& target, Rect place, const SkinDefinition& skin,
                        const SystemLook& system) {
    FillRect(target, place, PixelOf(skin.Colours.ButtonFace, system));
}

}  // namespace skin
