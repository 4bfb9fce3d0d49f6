// The program's own skin bitmaps ("TRACK", "TRACKVERT", "MENUGLYPHS"), read
// from the executable's bitmap resources.
#pragma once

#include "skin/resource_bitmaps.h"

namespace skin::window {

class ExecutableBitmaps : public ResourceBitmaps {
  public:
    std::optional<Bitmap> Load(std::string_view name) const override;
};

}  // namespace skin::window
