// Bare scroll-bar windows in the skin (TSkinSizer): a size box on the
// button face with the skin's size grip, or a scroll bar control drawn as
// the skinned overlays are.
#pragma once

#include "pixels/bitmap.h"
#include "skin/geometry.h"
#include "skin/scroll_bar_look.h"
#include "skin/skin_definition.h"
#include "skin/system_look.h"

namespace skin {

using pixels::Bitmap;

struct ScrollBarWindowFacts {
    // The size-box style (0x8) or the size-grip style (0x10).
    bool sizeBox = false;
    bool sizeGrip = false;
    ScrollBarState bar;  // for a scroll bar control
    int arrow = 17;      // the system's arrow size
};

void PaintScrollBarWindow(Bitmap& target, Rect place, const ScrollBarWindowFacts& facts,
                          const SkinDefinition& skin, const SystemLook& system);

}  // namespace skin
