// Bytes in memory with a read and write position: the container that skin
// archives, their payloads and their members pass through.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace skin {

class MemoryStream {
  public:
    MemoryStream() = default;
    explicit MemoryStream(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}

    size_t Size() const { return bytes_.size(); }
    size_t Position() const { return position_; }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }

    // Copies up to `buffer.size()` bytes from the position on and advances
    // past them; answers how many there were (fewer at the end, 0 past it).
    size_t Read(std::span<uint8_t> buffer);
    // Writes at the position, overwriting or extending, and advances.
    void Write(std::span<const uint8_t> bytes);

    // Makes room for `size` bytes in all, so that writes up to that size
    // never move the bytes.
    void Reserve(size_t size) { bytes_.reserve(size); }
    // Empties the stream; the position returns to 0.
    void Clear();
    void Rewind() { position_ = 0; }

  private:
    std::vector<uint8_t> bytes_;
    size_t position_ = 0;
};

}  // namespace skin
