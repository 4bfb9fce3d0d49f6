// The colours a skin puts in place of the system's, from its [Colours],
// COLOUR... and [Customcolors] sections.
#pragma once

#include <array>
#include <vector>

#include "skin/colour.h"

namespace skin {

struct SkinColours {
    Colour WindowText = kNoColour;
    Colour TitleTextActive = kNoColour;
    Colour TitleTextNoActive = kNoColour;
    Colour ButtonFace = kNoColour;
    Colour ButtonText = kNoColour;
    Colour ButtonHilight = kNoColour;
    Colour Buttonlight = kNoColour;
    Colour ButtonShadow = kNoColour;
    Colour ButtonDkShadow = kNoColour;
    Colour HilightText = kNoColour;
    Colour Hilight = kNoColour;
    Colour Menubar = kNoColour;
    Colour MenuBarText = kNoColour;
    Colour MenuText = kNoColour;
    Colour Menu = kNoColour;
    Colour Scrollbar = kNoColour;
    // Sampled from the caption picture (the Top border).
    Colour Caption = kNoColour;
    // One per COLOUR... section, in section order.
    std::vector<Colour> Extra;
    std::array<Colour, 10> Custom{};
};

}  // namespace skin
