// The system a preview pretends to run on: the classic system colours and
// the metrics of a 96 dots-per-inch screen.
#pragma once

#include "skin/system_look.h"

namespace preview {

class PreviewLook : public skin::SystemLook {
  public:
    skin::Colour SystemColourValue(int index) const override;
    int HorzScrollArrowWidth() const override { return 17; }
    skin::Size MaximizedWindowSize() const override { return {1032, 776}; }
};

}  // namespace preview
