#include "skin/blend.h"

#include <algorithm>

namespace skin {
namespace {

uint8_t MixComponent(int a, int b, int weight, int scale) {
    const int mixed = (a * weight + b * (scale - weight) + scale / 2) / scale;
    return static_cast<uint8_t>(std::clamp(mixed, 0, 255));
}

}  // namespace

Colour Blend(Colour c1, Colour c2, int weight, const SystemLook& look) {
    const Colour a = ResolveColour(c1, look);
    const Colour b = ResolveColour(c2, look);
    const int scale = weight < 100 ? 100 : 1000;
    return MakeColour(MixComponent(ColourRed(a), ColourRed(b), weight, scale),
                      MixComponent(ColourGreen(a), ColourGreen(b), weight, scale),
                      MixComponent(ColourBlue(a), ColourBlue(b), weight, scale));
}

}  // namespace skin
