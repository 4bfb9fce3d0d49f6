// Track bars in the skin (TSkinTrackBar): the channel from Track (lying) or
// TRACKVERT (standing), the tick marks in ButtonShadow, and the thumb from
// the Trackbar pictures: the plain thumb (ThumbHorz, ThumbVert) for a bar
// with ticks on both sides, else the one pointing at its ticks (ThumbDown or
// ThumbUp for a lying bar, ThumbRight or ThumbLeft for a standing one),
// falling back to the plain thumb. The thumbs hold the looks normal,
// pressed, disabled, hot and focused.
#pragma once

#include <vector>

#include "pixels/bitmap.h"
#include "skin/geometry.h"
#include "skin/push_button_look.h"
#include "skin/skin_definition.h"
#include "skin/system_look.h"

namespace skin {

using pixels::Bitmap;

struct TrackBarFacts {
    bool vertical = false;
    // Ticks above (left of) the channel instead of below (right of) it.
    bool ticksTopLeft = false;
    bool ticksBoth = false;
    bool noTicks = false;
    Rect channel;  // as the control reports them, in its coordinates
    Rect thumb;
    // The ticks between the ends, along the bar in the control's
    // coordinates; the ends get a tick of their own.
    std::vector<int> ticks;
    ButtonState thumbState;         // pressed while dragged
    Colour background = kNoColour;  // the parent's colour, else the button face
};

// The thumb's picture for the bar, or none when the skin lacks it.
const TSkinObject* TrackThumbPicture(const TrackBarFacts& facts, const SkinDefinition& skin);

// The channel as painted: as long as reported, as thick as its picture,
// centred on the reported channel across the bar.
Rect TrackChannel(const TrackBarFacts& facts, const SkinDefinition& skin);

// Every tick along the bar: the reported ones and one at each end of the
// thumb's travel (the channel's ends less half the thumb).
std::vector<int> TrackTicks(const TrackBarFacts& facts);

// Composes the bar over `place`: the background, the channel nine-slice,
// ticks 3 pixels long 2 pixels off the thumb on their side or sides, and
// the thumb's look nine-slice over the thumb.
void PaintTrackBar(Bitmap& target, Rect place, const TrackBarFacts& facts,
                   const SkinDefinition& skin, const SystemLook& system);

}  // namespace skin
