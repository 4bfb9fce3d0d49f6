#include "skin/rgb_triple.h"

#include <array>
#include <string>

#include "text/text_rules.h"

namespace skin {

Colour ParseRgbTriple(std::string_view text) {
    const std::string value = text::Trim(text);
    std::array<uint8_t, 3> components{};
    int completed = 0;
    bool inRun = false;
    // Only the low 8 bits are kept, so the run is accumulated modulo 256 and
    // a run of any length cannot overflow.
    uint8_t run = 0;
    for (const char c : value) {
        if (c >= '0' && c <= '9') {
            run = static_cast<uint8_t>(run * 10 + (c - '0'));
            inRun = true;
            continue;
        }
        if (inRun && completed < 3)
            components[completed] = run;
        if (inRun)
            ++completed;
        inRun = false;
        run = 0;
    }
    if (inRun && completed == 2)
        components[2] = run;
    return MakeColour(components[0], components[1], components[2]);
}

}  // namespace skin
