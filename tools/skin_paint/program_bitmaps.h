// The program's own bitmaps, which do not change with the skin.
#pragma once

#include "pixels/bitmap.h"

namespace paint {

// "MENUGLYPHS": four 16 x 16 black glyphs on white (the mask colour):
// restore, maximise, minimise, close.
pixels::Bitmap MenuGlyphs();
// "TRACK" and "TRACKVERT": a track bar's sunken channel, lying and
// standing, with 3-pixel ends.
pixels::Bitmap Track();
pixels::Bitmap TrackVert();

}  // namespace paint
