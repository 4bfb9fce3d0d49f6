#include "skin/skin_object_drawing.h"

namespace skin {

void DrawObjectState(Bitmap& target, Rect to, const TSkinObject& object, int state) {
    DrawObjectState(target, to, object, object.Image, state);
}

void DrawObjectState(Bitmap& target, Rect to, const TSkinObject& object, const Bitmap& image,
                     int state) {
    const Scaling scaling = object.Tile == 1 ? Scaling::Tile : Scaling::Stretch;
    DrawNineSlice(target, to, image, SliceRect(image, object.Frame, state, SliceLayout::SideBySide),
                  object.GetMargins(), {scaling, scaling, object.Trans != 0});
}

void DrawBorderPart(Bitmap& target, Rect to, const TSkinBorderObject& border, SliceLayout layout,
                    bool active) {
    const int state = active || border.Frame == 1 ? 1 : 2;
    const Scaling middle = border.Tile == 1 ? Scaling::Stretch : Scaling::Tile;
    DrawNineSlice(target, to, border.Image, SliceRect(border.Image, border.Frame, state, layout),
                  border.GetMargins(), {Scaling::Stretch, middle, false});
}

}  // namespace skin
