#include "skin/check_box_look.h"

#include "skin/control_colours.h"
#include "skin/focus_rect.h"
#include "skin/nine_slice.h"
#include "skin/pixel_ops.h"
#include "skin/rect_fill.h"

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

void PaintToggleButton(Bitmap& target, Rect place, const ToggleFacts& f, const SkinDefinition& skin,
                       TextPainter& font, const SystemLook& system) {
    FillRect(target, place, PixelOf(skin.Colours.ButtonFace, system));
    const Look look = f.mark == CheckMark::Indeterminate ? Look::Disabled : PushButtonLook(f.state);
    const Size box = CheckBoxSize(skin, f.radio);
    const int boxX = f.boxRight ? place.right - box.width : place.left;
    PaintCheckBox(target, boxX, place.top + (place.Height() - box.height) / 2, skin, f.radio, look,
                  f.mark != CheckMark::Unchecked);
    if (f.caption.empty())
        return;

    const Rect room =
        f.boxRight ? Rect{place.left, place.top, boxX - kToggleGap, place.bottom}
                   : Rect{boxX + box.width + kToggleGap, place.top, place.right, place.bottom};
    const Colour text = f.state.Enabled ? f.fontColour : SystemButtonShadow(system);
    const TextAlign align = f.boxRight ? TextAlign::Right : TextAlign::Left;
    font.Draw(target, room, f.caption, ResolveColour(text, system), align);
    if (!f.state.Focused || !f.focusRect)
        return;
    DrawCaptionFocusRect(target, room, font.Measure(f.caption), align, place);
}

}  // namespace skin
