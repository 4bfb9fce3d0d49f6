#include "skin/combo_box_look.h"

#include <algorithm>

#include "skin/control_colours.h"
#include "skin/nine_slice.h"
#include "skin/pixel_ops.h"
#include "skin/rect_fill.h"
#include "skin/skin_object_drawing.h"

namespace skin {

Look ComboBoxLook(bool pressed, bool focusedOrHot, bool enabled) {
    if (!enabled)
        return Look::Disabled;
    if (pressed)
        return Look::Pressed;
    return focusedOrHot ? Look::Hot : Look::Normal;
}

void PaintComboBox(Bitmap& target, Rect place, const ComboBoxFacts& facts,
                   const SkinDefinition& skin, const SystemLook& system) {
    if (!skin.ComboButton || skin.ComboButton->Image.Empty() || facts.buttonHidden)
        return;
    const TSkinBorderObject& button = *skin.ComboButton;
    const bool rightToLeft = facts.rightToLeft;
    const ComboBoxMetrics& metrics = facts.metrics;
    const int state = SliceOf(facts.look);
    const int w = place.Width(), h = place.Height();

    if (button.Style == 2) {
        if (rightToLeft && skin.SunkEdge) {
            DrawObjectState(target, place, *skin.SunkEdge, state);
        } else {
            DrawObjectState(target, place, button, state);
        }
        return;
    }
    if (button.Style == 1) {
        FrameRect(target, Offset({1, 1, w - 1, h - 1}, place.left, place.top), metrics.Brush);
        const int strip = metrics.ThumbHeight;
        const Rect inner{2, 2, w - 2, h - 2};
        const Rect buttonStrip =
            rightToLeft ? Rect{inner.left, inner.top, inner.left + strip, inner.bottom}
                        : Rect{inner.right - strip, inner.top, inner.right, inner.bottom};
        FillRect(target, Offset(buttonStrip, place.left, place.top), metrics.Brush);
        FrameRect(target, place, PixelOf(skin.Colours.ButtonShadow, system));
        const Rect slice = SliceRect(button.Image, button.Frame, state, SliceLayout::SideBySide);
        const int sliceHeight = slice.Height() < strip ? slice.Height() : buttonStrip.Height();
        const int x = rightToLeft ? inner.left : inner.right - slice.Width();
        DrawObjectState(target,
                        Offset({x, inner.top, x + slice.Width(), inner.top + sliceHeight},
                               place.left, place.top),
                        button, button.Image, state);
        return;
    }

    // The edit field inside the edge keeps its own pixels.
    const int s = metrics.ArrowWidth;
    const Rect field = rightToLeft ? Rect{s + 4, 2, w - 2, h - 2} : Rect{2, 2, w - s - 4, h - 2};
    const Bitmap kept = Crop(target, Offset(field, place.left, place.top));
    if (skin.SunkEdge)
        DrawObjectState(target, place, *skin.SunkEdge, state);
    DrawBitmap(target, place.left + field.left, place.top + field.top, kept,
               {0, 0, kept.Width(), kept.Height()}, false);
    const Rect strip = rightToLeft ? Rect{0, 0, s + 2, h} : Rect{w - s - 2, 0, w, h};
    DrawObjectState(target, Offset(strip, place.left, place.top), button,
                    rightToLeft && !button.Image2.Empty() ? button.Image2 : button.Image, state);
    if (skin.ExtraImages && !skin.ExtraImages->Image.Empty()) {
        const TSkinObject& glyphs = *skin.ExtraImages;
        const Rect glyph = SliceRect(glyphs.Image, glyphs.Frame, state, SliceLayout::SideBySide);
        const Rect area = rightToLeft ? Rect{2, 0, s + 2, h} : Rect{w - s - 2, 0, w - 2, h};
        const int x = area.left + (area.Width() - glyph.Width()) / 2;
        const int y = area.top + (area.Height() - glyph.Height()) / 2;
        DrawBitmap(target, place.left + x, place.top + y, glyphs.Image, glyph, true);
    }
}

}  // namespace skin
