#include "skin/skin_stream.h"

#include <array>
#include <cstdint>
#include <vector>

#include "skin/little_endian.h"

namespace skin {

bool ReadSkinStream(MemoryStream& from, MemoryStream& archive) {
    std::array<uint8_t, 4> field{};
    if (from.Read(field) != field.size())
        return false;
    const int32_t length = ReadInt32Le(field.data());
    if (length <= 0)
        return false;
    if (static_cast<size_t>(length) > from.Size() - from.Position()) {
        archive.Clear();
        return false;
    }
    std::vector<uint8_t> bytes(static_cast<size_t>(length));
    from.Read(bytes);
    archive = MemoryStream(std::move(bytes));
    return true;
}

void WriteSkinStream(const MemoryStream& archive, MemoryStream& to) {
    to.Write(Int32Le(static_cast<int32_t>(archive.Size())));
    to.Write(archive.Bytes());
}

}  // namespace skin
