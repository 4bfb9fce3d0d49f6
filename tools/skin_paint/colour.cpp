#include "colour.h"

namespace paint {

Colour Gradient::At(float t) const {
    if (t <= stops_.front().at)
        return stops_.front().colour;
    for (size_t i = 1; i < stops_.size(); ++i) {
        const Stop& a = stops_[i - 1];
        const Stop& b = stops_[i];
        if (t <= b.at)
            return b.at > a.at ? Mix(a.colour, b.colour, (t - a.at) / (b.at - a.at)) : b.colour;
    }
    return stops_.back().colour;
}

}  // namespace paint
