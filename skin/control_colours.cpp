#include "skin/control_colours.h"

namespace skin {

Colour ObjectTextColour(const TSkinObject& object, Look look, const SystemLook& system) {
    switch (look) {
        case Look::Disabled:
            return SystemButtonShadow(system);
        case Look::Pressed:
            return ResolveColour(object.PressedColour2, system);
        case Look::Hot:
            return ResolveColour(object.MouseOverColour2, system);
        default:
            return ResolveColour(object.NormalColour2, system);
    }
}

}  // namespace skin
