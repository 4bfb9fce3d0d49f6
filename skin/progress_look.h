// Progress bars in the skin (TSkinProgress): the trough from the Progress
// picture and the filled part from Progress.Chunk. A Progress picture of
// two states (Style 0) holds the trough lying and standing; a chunk
// picture of two or more states holds the chunk lying and standing too.
#pragma once

#include "pixels/bitmap.h"
#include "skin/geometry.h"
#include "skin/skin_definition.h"
#include "skin/system_look.h"

namespace skin {

using pixels::Bitmap;

struct ProgressFacts {
    bool vertical = false;
    int position = 0;
    int min = 0;
    int max = 100;
    bool smooth = false;
};

// Where the chunks go: the bar inset by the Progress object's margins (by 1
// where those leave nothing).
Rect ProgressInside(Rect place, const SkinDefinition& skin);

// The filled part of `inside`: from the left (a vertical bar: from the
// bottom), as long as the position's share of the range, rounded down;
// nothing for an empty range.
Rect ProgressFilled(Rect inside, const ProgressFacts& facts);

// The length of one chunk of a bar that is not smooth: two thirds of the
// bar's inside across, at least 2; chunks stand 2 pixels apart.
int ProgressChunkLength(Rect inside, bool vertical);

// Composes the bar over `place`: the button face, the trough, and the
// filled part: one chunk stretched over it when smooth, else chunks one
// after another until they cover it, the last cut at the inside's end.
// Without a chunk picture the filled part is the Hilight colour.
void PaintProgressBar(Bitmap& target, Rect place, const ProgressFacts& facts,
                      const SkinDefinition& skin, const SystemLook& system);

}  // namespace skin
