// The stored form of a skin data component's archive: a 4-byte
// little-endian signed length, then that many bytes of a skin archive.
#pragma once

#include "skin/memory_stream.h"

namespace skin {

// Reads the stored form at `from`'s position into `archive` and answers
// whether an archive was read. A length of 0 or less reads nothing more and
// leaves `archive` as it was; a length beyond the bytes left empties
// `archive` and reads nothing more.
bool ReadSkinStream(MemoryStream& from, MemoryStream& archive);

// Writes the stored form of `archive` (all of it) at `to`'s position.
void WriteSkinStream(const MemoryStream& archive, MemoryStream& to);

}  // namespace skin
