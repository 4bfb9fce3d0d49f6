// The plain members that only give a window the skin's button face:
// panels and tool bars (TSkinBox), dialogs nested in a bare dialog
// (TSkinBoxH) and the pages of a page control (TSkinTabSheet).
#pragma once

#include "pixels/bitmap.h"
#include "skin/geometry.h"
#include "skin/skin_definition.h"
#include "skin/system_look.h"

namespace skin {

using pixels::Bitmap;

// Fills `place` with ButtonFace, as the window's background is erased.
void PaintBoxBackground(Bitmap& target, Rect place, const SkinDefinition& skin,
                        const SystemLook& system);

}  // namespace skin
