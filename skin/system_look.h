// What the skin code asks of the running system: the current system colours
// and a few metrics. The window layer answers from Windows; tests answer with
// fixed values.
#pragma once

#include "skin/colour.h"
#include "skin/geometry.h"

namespace skin {

class SystemLook {
  public:
    virtual ~SystemLook() = default;

    // The current explicit value of the system colour with this index.
    virtual Colour SystemColourValue(int index) const = 0;
    // The width of a horizontal scroll bar's arrow button.
    virtual int HorzScrollArrowWidth() const = 0;
    // The size of a maximised top-level window on the primary screen.
    virtual Size MaximizedWindowSize() const = 0;
};

// An explicit colour for any colour value; system colours take their
// current value.
inline Colour ResolveColour(Colour c, const SystemLook& look) {
    if (IsSystemColour(c))
        return look.SystemColourValue(SystemColourIndexOf(c)) & 0xFFFFFF;
    return c & 0xFFFFFF;
}

}  // namespace skin
