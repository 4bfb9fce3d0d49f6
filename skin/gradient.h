// Gradient fills, with a small cache of the colour ramps they compute.
#pragma once

#include <array>
#include <vector>

#include "pixels/bitmap.h"
#include "skin/colour.h"
#include "skin/geometry.h"
#include "skin/system_look.h"

namespace skin {

using pixels::Bitmap;
using pixels::Pixel;

// The colours of a linear ramp of `length` lines from `start` to `end`
// (explicit colours): line i gets, per component, start + ((length - 1) / 2
// + i * (end - start)) / (length - 1), rounded toward zero; a one-line ramp
// is start + (end - start) / 2.
std::vector<Pixel> MakeRamp(Colour start, Colour end, int length);

// Sixteen ramps, reused while they are asked for again and replaced round
// robin from the first slot.
class GradientCache {
  public:
    // The ramp, from a slot that holds it or else computed into the next
    // slot; the reference lasts until that slot is reused.
    const std::vector<Pixel>& Ramp(Colour start, Colour end, int length);

  private:
    struct Slot {
        Colour start = 0;
        Colour end = 0;
        std::vector<Pixel> ramp;
    };

    std::array<Slot, 16> slots_;
    size_t next_ = 0;
};

// Fills `area` of the bitmap from top to bottom with the ramp from `start` to
// `end`, one line of one colour at a time; lines outside `clip` and outside
// the bitmap are skipped. System colours are resolved first.
void FillVerticalGradient(Bitmap& bitmap, Rect area, Rect clip, Colour start, Colour end,
                          GradientCache& cache, const SystemLook& look);

}  // namespace skin
