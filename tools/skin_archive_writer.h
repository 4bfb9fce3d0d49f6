// Writes skin archives: the payload of member files, and its compressed,
// stored form. For the build only.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct SkinArchiveMember {
    std::string name;
    std::vector<uint8_t> bytes;
};

// The payload: the magic 20000, the length of the name text, 8 zero bytes,
// the names each ended by CR LF, the sizes, then the members in order.
// Throws std::invalid_argument for a name with a line break in it.
std::vector<uint8_t> BuildSkinPayload(const std::vector<SkinArchiveMember>& members);

// The archive as stored: the payload's size, then its LZHUF stream.
std::vector<uint8_t> PackSkinArchive(std::span<const uint8_t> payload);
