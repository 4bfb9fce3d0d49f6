// A skin archive opened in memory: the member files of a skin (its
// definition and the bitmaps it names), decompressed and found by name.
//
// An archive is a 4-byte little-endian payload size followed by the LZHUF
// stream of the payload. The payload holds the magic 20000, the length L of
// the name text, 8 bytes of no meaning, the name text (one name per line),
// one 4-byte size per name, and the members back to back.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/memory_stream.h"

namespace skin {

// Shows a message to the user; the window layer gives it a message box.
using SkinMessage = std::function<void(const std::string& text)>;

class TSkinReader {
  public:
    // Members beyond this count are not supported.
    static constexpr size_t kMaxMembers = 1001;
    // Payloads above this size are refused unread. The skins of the program
    // are below a megabyte.
    static constexpr int32_t kMaxPayload = 64 << 20;
    // The most bytes one compressed byte can stand for: a match of 60 bytes
    // takes at least 10 bits. A larger payload size is not of this stream.
    static constexpr int32_t kMaxExpansion = 48;

    explicit TSkinReader(SkinMessage showMessage) : showMessage_(std::move(showMessage)) {}

    // Decompresses the archive and takes its members; false, with nothing
    // taken, for an archive that is not one. A payload without the magic is
    // an archive of an older kind and says so through the message; one whose
    // directory or members run past its end, that has more than kMaxMembers
    // members or that claims an implausible size is refused without a word.
    bool ReadArchive(MemoryStream& archive);

    // Empties `out`, then fills it with the member of that name (any letter
    // case) and rewinds it; `out` stays empty when there is none.
    void ExtractFile(std::string_view name, MemoryStream& out) const;

    // Empties `out`; for the first member whose name contains `text`
    // (compared with the lower-cased names, so give it in lower case) fills
    // `out`, rewinds it and sets `name` to the member's name. Without such a
    // member `out` stays empty and `name` unchanged.
    void ExtractFirstMatching(std::string_view text, MemoryStream& out, std::string& name) const;

    // The member names, lower-cased, in directory order.
    const std::vector<std::string>& Names() const { return names_; }

  private:
    bool LoadPayload(const std::vector<uint8_t>& payload);
    void CopyMember(size_t index, MemoryStream& out) const;

    SkinMessage showMessage_;
    std::vector<std::string> names_;
    // Where each member starts in data_; one more entry marks the end of
    // the last.
    std::vector<size_t> offsets_;
    std::vector<uint8_t> data_;
};

}  // namespace skin
