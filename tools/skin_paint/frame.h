// The window frame: the four borders in their active and inactive looks, cut
// from one painted model window so that corners, caption and edges meet, and
// the caption buttons, painted over the very caption pixels they will cover.
//
// [frame] caption = N (caption height, top edge included), border = N (left
// and right), bottom = N, radius = N (top corners), bottom.radius = N,
// stretch = yes | no (stretch or tile the caption's middle).
// [frame.active], [frame.inactive]: edge = gradient (outside to inside),
// caption = gradient, direction = down | across, caption.inset = N,
// caption.gap = N, texture = brushed with grain = percent, snow = percent,
// snowcap = N, gloss = percent, gloss.height = percent, trim = tint,
// trim.width = N, inner = tint, highlight = tint, outline = colour,
// bevel = raised.
// [captionbuttons] align = right | left, order = close max min (from the
// edge inwards), size = W H, close = W H, top = N, edge = N, gap = N,
// close.gap = N, sign = percent-of-height percent-of-sign (size and stroke),
// icon = X Y (the window icon's place; none without it).
// Faces [capbutton] and optionally [capclose], [capmax], [caprestore],
// [capmin], each with the states .pressed, .hot and .inactive.
// [caption] left = N, top = N, font = N, align = left | right | centre.
#pragma once

#include "description.h"
#include "skin_files.h"

namespace paint {

void PaintFrame(const Description& d, SkinFiles& out);

}  // namespace paint
