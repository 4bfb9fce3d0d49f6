// The bitmaps the program carries among its own resources ("TRACK",
// "TRACKVERT", "MENUGLYPHS"). The window layer loads them from the
// executable; tests supply their own.
#pragma once

#include <optional>
#include <string_view>

#include "pixels/bitmap.h"

namespace skin {

using pixels::Bitmap;

class ResourceBitmaps {
  public:
    virtual ~ResourceBitmaps() = default;

    // The bitmap resource of this name, or nothing when there is none.
    virtual std::optional<Bitmap> Load(std::string_view name) const = 0;
};

}  // namespace skin
