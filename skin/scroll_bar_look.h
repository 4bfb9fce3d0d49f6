// The skinned scroll bars that lie over a control's own: which part of a
// bar a point falls on, and the bar's picture.
#pragma once

#include "pixels/bitmap.h"
#include "skin/geometry.h"
#include "skin/skin_definition.h"
#include "skin/system_look.h"

namespace skin {

using pixels::Bitmap;

// The parts of a bar, numbered as the scroll requests that name them.
enum class ScrollPart : int {
    None = -1,
    LineUp = 0,  // the up or left arrow
    LineDown = 1,
    PageUp = 2,
    PageDown = 3,
    Thumb = 5,
};

struct ScrollBarState {
    bool Vertical = true;
    bool Enabled = true;
    // The thumb's start and end along the bar, from its top or left end.
    int ThumbStart = 0;
    int ThumbEnd = 0;
    ScrollPart Hot = ScrollPart::None;
    ScrollPart Pressed = ScrollPart::None;
};

// The part at position p along a bar `length` long with arrows `arrow`
// long at its ends.
ScrollPart ScrollPartAt(int p, int length, int arrow, int thumbStart, int thumbEnd);

// Composes the bar over `place`, when the skin has a Scrollbar picture:
// the button face first, the track from VertScroll or HorzScroll between
// the arrows (slice 3 when the bar is disabled), the arrows from the
// Scrollbar picture, the thumb across the bar's thickness, and the grip
// centred on the thumb when the thumb is long enough for it.
void PaintScrollBar(Bitmap& target, Rect place, const SkinDefinition& skin,
                    const ScrollBarState& state, int arrow, const SystemLook& look);

}  // namespace skin
