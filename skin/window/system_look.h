// The running system's colours and metrics, for the portable skin code.
#pragma once

#include "skin/system_look.h"

namespace skin::window {

class Win32SystemLook : public SystemLook {
  public:
    Colour SystemColourValue(int index) const override;
    int HorzScrollArrowWidth() const override;
    Size MaximizedWindowSize() const override;
};

}  // namespace skin::window
