// The entry document as rich text (RTF), which the entry view takes in one
// stream: far cheaper for the view than formatting each run through a
// selection of its own.
#pragma once

#include <cstdint>
#include <string>

#include "lookup/entry_document.h"

namespace lookup {

// Each run in its size, weight and colour (green, or `plainColour`, given as
// 0x00BBGGRR), the centred lines centred, every other character (the line
// breaks, the end) in `basePointSize`, not bold, in `plainColour`. No font is
// named: the text takes the view's own face and character set.
std::string EntryRtf(const EntryDocument& doc, int basePointSize, uint32_t plainColour);

}  // namespace lookup
