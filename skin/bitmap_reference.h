// Pictures named in a skin definition: a member of the skin archive, given
// by a file name that may carry a directory part.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "pixels/bitmap.h"

namespace skin {

using pixels::Bitmap;

// The bytes of the archive member with this name (any letter case); empty
// when there is none.
using MemberLookup = std::function<std::vector<uint8_t>(const std::string& name)>;

// The member a definition value names: its file-name part, after the last
// "\" or ":". Empty when that is empty or when the value's extension is not
// exactly ".bmp" (an extension in capitals names nothing).
std::string BitmapMemberName(std::string_view value);

// The picture a definition value names; empty when the value names nothing,
// the member is missing or empty, or it is not a readable BMP file.
Bitmap LoadBitmapReference(std::string_view value, const MemberLookup& members);

}  // namespace skin
