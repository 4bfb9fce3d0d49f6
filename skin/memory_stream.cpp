#include "skin/memory_stream.h"

#include <algorithm>

namespace skin {

size_t MemoryStream::Read(std::span<uint8_t> buffer) {
    const size_t n = std::min(buffer.size(), bytes_.size() - position_);
    std::copy_n(bytes_.begin() + static_cast<ptrdiff_t>(position_), n, buffer.begin());
    position_ += n;
    return n;
}

void MemoryStream::Write(std::span<const uint8_t> bytes) {
    const size_t end = position_ + bytes.size();
    if (end > bytes_.size())
        bytes_.resize(end);
    std::copy(bytes.begin(), bytes.end(), bytes_.begin() + static_cast<ptrdiff_t>(position_));
    position_ = end;
}

void MemoryStream::Clear() {
    bytes_.clear();
    position_ = 0;
}

}  // namespace skin
