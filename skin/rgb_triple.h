// Colours written in a skin definition as three decimal numbers, red, green
// and blue, such as "236 233 216".
#pragma once

#include <string_view>

#include "skin/colour.h"

namespace skin {

// Reads the digit runs of the trimmed text from left to right. A run counts
// once a non-digit ends it; the first two such runs are red and green, and
// blue is the third, or the run that ends the text when exactly two came
// before it. A lone number, or two, leave the missing components 0; runs
// after the third are ignored; each component keeps its low 8 bits.
Colour ParseRgbTriple(std::string_view text);

}  // namespace skin
