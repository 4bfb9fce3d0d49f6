// A window's outline as a region for SetWindowRgn.
#pragma once

#include <windows.h>

#include "skin/window/dib.h"
#include "skin/window_outline.h"

namespace skin::window {

// One rectangle per run of kept pixels in each row.
OwnedRegion RegionOf(const PixelMask& mask);

}  // namespace skin::window
