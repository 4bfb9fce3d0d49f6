// Mixing two colours by a weight.
#pragma once

#include "skin/colour.h"
#include "skin/system_look.h"

namespace skin {

// Each component becomes (c1 * weight + c2 * (scale - weight) + scale / 2) /
// scale, with scale 100 for a weight below 100 and 1000 from 100 on: a weight
// is a percentage of c1 below 100 and a per-mille value above (150 gives 15 %
// of c1). System colours are resolved first; components are kept to 0..255.
Colour Blend(Colour c1, Colour c2, int weight, const SystemLook& look);

}  // namespace skin
