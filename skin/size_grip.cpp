#include "skin/size_grip.h"

#include "skin/looks.h"
#include "skin/nine_slice.h"
#include "skin/pixel_ops.h"

namespace skin {

void DrawSizeGrip(Bitmap& target, Rect place, const SkinDefinition& skin) {
    if (!skin.ExtraImages || skin.ExtraImages->Image.Empty())
        return;
    const TSkinObject& extra = *skin.ExtraImages;
    const Rect grip = SliceRect(extra.Image, extra.Frame, kSizeGripSlice, SliceLayout::SideBySide);
    DrawBitmap(target, place.right - 1 - grip.Width(), place.bottom - 1 - grip.Height(),
               extra.Image, grip, true);
}

}  // namespace skin
