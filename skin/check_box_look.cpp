#include "skin/check_box_look.h"

#include "skin/nine_slice.h"
#include "skin/pixel_ops.h"

namespace skin {
namespace {

const Bitmap& Picture(const SkinDefinition& skin, bool radio) {
    return radio ? skin.Buttons.RadioButtonImage : skin.Buttons.CheckBoxImage;
}

int Frames(const SkinDefinition& skin, bool radio) {
    return radio ? skin.Buttons.RadioButtonFrame : skin.Buttons.CheckButtonFrame;
}

}  // namespace

Size CheckBoxSize(const SkinDefinition& skin, bool radio) {
    const Bitmap& picture = Picture(skin, radio);
    if (picture.Empty())
        return {};
    const Rect slice = SliceRect(picture, Frames(skin, radio), 1, SliceLayout::SideBySide);
    return {slice.Width(), slice.Height()};
}

void PaintCheckBox(Bitmap& target, int x, int y, const SkinDefinition& skin, bool radio, Look look,
                   bool checked) {
    const Bitmap& picture = Picture(skin, radio);
    if (picture.Empty())
        return;
    DrawBitmap(target, x, y, picture,
               SliceRect(picture, Frames(skin, radio), CheckBoxSlice(look, checked),
                         SliceLayout::SideBySide),
               true);
}

}  // namespace skin
