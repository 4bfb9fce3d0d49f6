#include "skin/push_button_look.h"

#include "skin/rect_fill.h"
#include "skin/skin_object_drawing.h"

namespace skin {

Look PushButtonLook(const ButtonState& s) {
    if (!s.Enabled)
        return Look::Disabled;
    if (s.Pressed)
        return Look::Pressed;
    if (s.Hot)
        return Look::Hot;
    if (s.Focused)
        return Look::Focused;
    return Look::Normal;
}

void PaintPushButton(Bitmap& target, Rect place, const SkinDefinition& skin, Look look,
                     Pixel background) {
    FillRect(target, place, background);
    if (!skin.Buttons.Image.Empty())
        DrawObjectState(target, place, skin.Buttons, SliceOf(look));
}

Colour PushButtonTextColour(const SkinDefinition& skin, Look look, Colour fontColour,
                            const SystemLook& look3d) {
    constexpr int kSystemButtonShadow = 16;
    const TSkinButtonObject& b = skin.Buttons;
    switch (look) {
        case Look::Disabled:
            return look3d.SystemColourValue(kSystemButtonShadow);
        case Look::Normal:
            return b.HasNormalColour2 ? b.NormalColour2 : fontColour;
        case Look::Hot:
            return b.HasMouseOverColour2 ? b.MouseOverColour2 : fontColour;
        case Look::Pressed:
            return b.HasPressedColour2 ? b.PressedColour2 : fontColour;
        default:
            return fontColour;
    }
}

}  // namespace skin
