#include "skin/bitmap_reference.h"

#include "skin/bmp_file.h"

namespace skin {

std::string BitmapMemberName(std::string_view value) {
    const size_t delimiter = value.find_last_of("\\:");
    const std::string_view name =
        delimiter == std::string_view::npos ? value : value.substr(delimiter + 1);
    const size_t dot = name.rfind('.');
    if (name.empty() || dot == std::string_view::npos || name.substr(dot) != ".bmp")
        return {};
    return std::string(name);
}

Bitmap LoadBitmapReference(std::string_view value, const MemberLookup& members) {
    const std::string name = BitmapMemberName(value);
    if (name.empty())
        return {};
    const std::vector<uint8_t> file = members(name);
    if (file.empty())
        return {};
    return ReadBmp(file).value_or(Bitmap());
}

}  // namespace skin
