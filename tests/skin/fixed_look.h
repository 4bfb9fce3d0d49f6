// A system look with fixed values, standing in for the running system.
#pragma once

#include "skin/system_look.h"

namespace skintest {

class FixedLook : public skin::SystemLook {
  public:
    // Every system colour with index n is the colour 0x000000nn + 0x101010,
    // so each index has a value of its own that a test can predict.
    skin::Colour SystemColourValue(int index) const override { return 0x101010 + index; }
    int HorzScrollArrowWidth() const override { return arrowWidth; }
    skin::Size MaximizedWindowSize() const override { return {1024, 738}; }

    int arrowWidth = 17;
};

}  // namespace skintest
