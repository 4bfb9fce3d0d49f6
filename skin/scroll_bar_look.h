// The skinned scroll bars that lie over a control's own (TScrollOverlay,
// for TSkinScrollbar, TSkinScrollbarH and TSkinListView): which part of a
// bar a point falls on, the thumb while it is dragged, and the bar's
// picture.
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

// The arrows' length along a bar `length` long whose arrows are `arrow`
// long: half the bar when it is shorter than two arrows.
int ArrowLength(int length, int arrow);

// The part at position p along a bar `length` long with arrows `arrow` long
// (shortened as ArrowLength says) and the thumb from thumbStart to thumbEnd;
// None off the bar.
ScrollPart ScrollPartAt(int p, int length, int arrow, int thumbStart, int thumbEnd);

// Where the thumb starts while it is dragged: the start it had at the press
// moved by the pointer's travel since, kept between the arrows.
int DraggedThumbStart(int startAtPress, int travel, int length, int arrow, int thumbLength);

struct ScrollBarState {
    bool Vertical = true;
    bool Enabled = true;
    // The thumb's start and end along the bar, from its top or left end.
    int ThumbStart = 0;
    int ThumbEnd = 0;
    ScrollPart Hot = ScrollPart::None;
    ScrollPart Pressed = ScrollPart::None;
};

// Composes the bar over `place`, when the skin has a Scrollbar picture:
// the button face first, the track from VertScroll or HorzScroll between
// the arrows (slice 3 when the bar is disabled), the arrows from the
// Scrollbar picture as thick as the picture is high (or `arrow` when the
// two differ by more than 2), the thumb across that thickness when it lies
// within the bar, and the grip centred on the thumb when the thumb is long
// enough for it.
void PaintScrollBar(Bitmap& target, Rect place, const SkinDefinition& skin,
                    const ScrollBarState& state, int arrow, const SystemLook& look);

// The square where a vertical and a horizontal bar meet: below the one and
// beside the other.
Rect ScrollCorner(Rect vertical, Rect horizontal);

// Fills the corner square with ButtonFace.
void PaintScrollCorner(Bitmap& target, Rect corner, const SkinDefinition& skin,
                       const SystemLook& look);

}  // namespace skin
