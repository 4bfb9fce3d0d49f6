// Paints a whole skin from its description: the definition file and every
// bitmap it names.
#pragma once

#include "description.h"
#include "skin_files.h"

namespace paint {

// Throws DescriptionError for a description that lacks what a skin needs or
// holds keys that nothing reads.
SkinFiles PaintSkin(const Description& d);

}  // namespace paint
