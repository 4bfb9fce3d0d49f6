// The colours the control compositions paint with: the skin's colours made
// explicit, and the system colours a few of them fall back on.
#pragma once

#include "pixels/bitmap.h"
#include "skin/colour.h"
#include "skin/looks.h"
#include "skin/skin_objects.h"
#include "skin/system_look.h"

namespace skin {

using pixels::Pixel;

inline Pixel PixelOf(Colour c, const SystemLook& look) {
    return ColourToPixel(ResolveColour(c, look));
}

// The system's button shadow, in which disabled captions are written.
inline Colour SystemButtonShadow(const SystemLook& look) {
    return ResolveColour(SystemColour(SystemColourIndex::ButtonShadow), look);
}

// The caption colour an object's picture is painted for, by look: its
// NormalColour2, MouseOverColour2 (hot) or PressedColour2 (pressed), made
// explicit; the system's button shadow when disabled.
Colour ObjectTextColour(const TSkinObject& object, Look look, const SystemLook& system);

}  // namespace skin
