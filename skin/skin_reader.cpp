#include "skin/skin_reader.h"

#include <algorithm>
#include <array>

#include "skin/little_endian.h"
#include "skin/lzh.h"
#include "text/text_rules.h"

namespace skin {
namespace {

constexpr int32_t kMagic = 20000;
constexpr size_t kHeaderSize = 16;

// Lines end at CR, LF or CR LF; a break at the very end ends the last line
// and starts none. Stops after `limit` lines, so that a text of nothing but
// line breaks cannot ask for millions of names.
std::vector<std::string> SplitLines(std::string_view text, size_t limit) {
    std::vector<std::string> lines;
    size_t i = 0;
    while (i < text.size() && lines.size() < limit) {
        const size_t end = std::min(text.find_first_of("\r\n", i), text.size());
        lines.emplace_back(text.substr(i, end - i));
        i = end;
        if (i < text.size() && text[i] == '\r')
            ++i;
        if (i < text.size() && text[i] == '\n')
            ++i;
    }
    return lines;
}

}  // namespace

bool TSkinReader::ReadArchive(MemoryStream& archive) {
    names_.clear();
    offsets_.clear();
    data_.clear();

    archive.Rewind();
    std::array<uint8_t, 4> sizeField{};
    const int32_t size = archive.Read(sizeField) == 4 ? ReadInt32Le(sizeField.data()) : 0;
    const uint64_t streamBytes = archive.Size() - archive.Position();
    if (size > kMaxPayload ||
        static_cast<int64_t>(size) > kMaxExpansion * static_cast<int64_t>(streamBytes))
        return false;

    MemoryStream payload;
    payload.Reserve(static_cast<size_t>(std::max(size, 0)));
    TLZH().Decode(
        size, [&](std::span<const uint8_t> bytes) { payload.Write(bytes); },
        [&](std::span<uint8_t> buffer) { return archive.Read(buffer); });
    return LoadPayload(payload.Bytes());
}

bool TSkinReader::LoadPayload(const std::vector<uint8_t>& payload) {
    const size_t size = payload.size();
    if (size < 4 || ReadInt32Le(payload.data()) != kMagic) {
        showMessage_("This is Older Skin File\rPlease update to new version !");
        return false;
    }
    if (size < kHeaderSize)
        return false;
    const int32_t nameLength = ReadInt32Le(payload.data() + 4);
    if (nameLength < 0 || static_cast<size_t>(nameLength) > size - kHeaderSize)
        return false;
    const std::string_view nameText(reinterpret_cast<const char*>(payload.data()) + kHeaderSize,
                                    static_cast<size_t>(nameLength));
    std::vector<std::string> names = SplitLines(text::LowerAscii(nameText), kMaxMembers + 1);
    const size_t tableStart = kHeaderSize + static_cast<size_t>(nameLength);
    if (names.size() > kMaxMembers || names.size() * 4 > size - tableStart)
        return false;

    const size_t dataStart = tableStart + names.size() * 4;
    std::vector<size_t> offsets{0};
    for (size_t i = 0; i < names.size(); ++i) {
        const int32_t memberSize = ReadInt32Le(payload.data() + tableStart + 4 * i);
        if (memberSize < 0 || static_cast<size_t>(memberSize) > size - dataStart - offsets.back())
            return false;
        offsets.push_back(offsets.back() + static_cast<size_t>(memberSize));
    }

    names_ = std::move(names);
    offsets_ = std::move(offsets);
    data_.assign(payload.begin() + static_cast<ptrdiff_t>(dataStart), payload.end());
    return true;
}

void TSkinReader::CopyMember(size_t index, MemoryStream& out) const {
    out.Write(std::span(data_).subspan(offsets_[index], offsets_[index + 1] - offsets_[index]));
    out.Rewind();
}

void TSkinReader::ExtractFile(std::string_view name, MemoryStream& out) const {
    out.Clear();
    const std::string wanted = text::LowerAscii(name);
    for (size_t i = 0; i < names_.size(); ++i) {
        if (names_[i] == wanted) {
            CopyMember(i, out);
            return;
        }
    }
}

void TSkinReader::ExtractFirstMatching(std::string_view text, MemoryStream& out,
                                       std::string& name) const {
    out.Clear();
    for (size_t i = 0; i < names_.size(); ++i) {
        if (names_[i].find(text) != std::string::npos) {
            CopyMember(i, out);
            name = names_[i];
            return;
        }
    }
}

}  // namespace skin
