// The skin archive reader on any input, taken both as an archive as stored
// and, packed by the encoder, as the payload of one. The reader may refuse
// it or take it, but never reads or writes out of bounds, and every member it
// gives out is exactly the part of the payload that the directory says.
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "skin/little_endian.h"
#include "skin/skin_reader.h"
#include "tools/skin_archive_writer.h"

namespace {

void ExtractAll(const skin::TSkinReader& reader) {
    skin::MemoryStream out;
    for (const std::string& name : reader.Names())
        reader.ExtractFile(name, out);
    std::string name;
    reader.ExtractFirstMatching(".ini", out, name);
}

// Each name's first member, found by the reader, against the payload.
void CheckMembers(const skin::TSkinReader& reader, const std::vector<uint8_t>& payload) {
    if (payload.size() < 16 || skin::ReadInt32Le(payload.data()) != 20000)
        std::abort();
    const size_t n = reader.Names().size();
    const size_t table = 16 + static_cast<size_t>(skin::ReadInt32Le(payload.data() + 4));
    size_t offset = table + 4 * n;
    std::set<std::string> seen;
    for (size_t i = 0; i < n; ++i) {
        const size_t memberSize =
            static_cast<size_t>(skin::ReadInt32Le(payload.data() + table + 4 * i));
        if (offset + memberSize > payload.size())
            std::abort();
        const std::string& name = reader.Names()[i];
        if (seen.insert(name).second) {
            skin::MemoryStream out;
            reader.ExtractFile(name, out);
            if (!std::equal(out.Bytes().begin(), out.Bytes().end(), payload.begin() + offset,
                            payload.begin() + offset + memberSize) ||
                out.Size() != memberSize)
                std::abort();
        }
        offset += memberSize;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> input(data, data + size);
    skin::TSkinReader reader([](const std::string&) {});

    skin::MemoryStream stored(input);
    if (reader.ReadArchive(stored))
        ExtractAll(reader);

    skin::MemoryStream packed(PackSkinArchive(input));
    if (reader.ReadArchive(packed)) {
        ExtractAll(reader);
        CheckMembers(reader, input);
    } else if (!reader.Names().empty()) {
        std::abort();
    }
    return 0;
}
