#include "skin/date_time_look.h"

#include "skin/arrow_button_look.h"
#include "skin/control_border.h"

namespace skin {

Rect DateTimeButton(Rect place, const DateTimeFacts& f) {
    if (!f.dropDown)
        return {};
    const Rect inside = Inflate(place, -f.rings, -f.rings);
    return f.rightToLeft
               ? Rect{inside.left, inside.top, inside.left + f.arrowWidth, inside.bottom}
               : Rect{inside.right - f.arrowWidth, inside.top, inside.right, inside.bottom};
}

void PaintDateTimePicker(Bitmap& target, Rect place, const DateTimeFacts& f,
                         const SkinDefinition& skin, const SystemLook& system) {
    PaintControlBorder(target, place, f.rings, skin, system);
    const Rect button = DateTimeButton(place, f);
    if (!button.Empty())
        PaintArrowButton(target, button, ArrowDirection::Down, f.look, skin, system);
}

}  // namespace skin
