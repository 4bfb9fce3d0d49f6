#include "preview_look.h"

#include <array>

namespace preview {

skin::Colour PreviewLook::SystemColourValue(int index) const {
    // COLOR_SCROLLBAR to COLOR_INFOBK.
    static constexpr std::array<skin::Colour, 25> kClassic = {
        skin::MakeColour(212, 208, 200), skin::MakeColour(58, 110, 165),
        skin::MakeColour(10, 36, 106),   skin::MakeColour(128, 128, 128),
        skin::MakeColour(212, 208, 200), skin::MakeColour(255, 255, 255),
        skin::MakeColour(0, 0, 0),       skin::MakeColour(0, 0, 0),
        skin::MakeColour(0, 0, 0),       skin::MakeColour(255, 255, 255),
        skin::MakeColour(212, 208, 200), skin::MakeColour(212, 208, 200),
        skin::MakeColour(128, 128, 128), skin::MakeColour(10, 36, 106),
        skin::MakeColour(255, 255, 255), skin::MakeColour(212, 208, 200),
        skin::MakeColour(128, 128, 128), skin::MakeColour(128, 128, 128),
        skin::MakeColour(0, 0, 0),       skin::MakeColour(212, 208, 200),
        skin::MakeColour(255, 255, 255), skin::MakeColour(64, 64, 64),
        skin::MakeColour(212, 208, 200), skin::MakeColour(0, 0, 0),
        skin::MakeColour(255, 255, 225)};
    return index >= 0 && index < static_cast<int>(kClassic.size()) ? kClassic[index] : 0;
}

}  // namespace preview
