#include "tools/skin_archive_writer.h"

#include <cstdint>
#include <stdexcept>

#include "skin/little_endian.h"
#include "tools/lzh_encoder.h"

namespace {

void Append(std::vector<uint8_t>& out, std::span<const uint8_t> bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
}

void AppendInt32(std::vector<uint8_t>& out, size_t value) {
    if (value > INT32_MAX)
        throw std::length_error("skin archive part of 2 GB or more");
    Append(out, skin::Int32Le(static_cast<int32_t>(value)));
}

}  // namespace

std::vector<uint8_t> BuildSkinPayload(const std::vector<SkinArchiveMember>& members) {
    std::string names;
    for (const SkinArchiveMember& m : members) {
        if (m.name.find_first_of("\r\n") != std::string::npos)
            throw std::invalid_argument("skin archive member name with a line break");
        names += m.name + "\r\n";
    }
    std::vector<uint8_t> payload;
    AppendInt32(payload, 20000);
    AppendInt32(payload, names.size());
    payload.resize(payload.size() + 8, 0);
    Append(payload, std::span(reinterpret_cast<const uint8_t*>(names.data()), names.size()));
    for (const SkinArchiveMember& m : members)
        AppendInt32(payload, m.bytes.size());
    for (const SkinArchiveMember& m : members)
        Append(payload, m.bytes);
    return payload;
}

std::vector<uint8_t> PackSkinArchive(std::span<const uint8_t> payload) {
    std::vector<uint8_t> archive;
    AppendInt32(archive, payload.size());
    Append(archive, LzhCompress(payload));
    return archive;
}
