// The LZHUF decoder of skin archives.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>

#include "skin/lzh_tree.h"

namespace skin {

// The decoder's own failure: its tables could not be allocated.
class ElzhException : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Fills the front of `buffer` with up to `buffer.size()` bytes of compressed
// input and answers how many it gave (0 at the end of the input).
using LzhRead = std::function<size_t(std::span<uint8_t> buffer)>;
// Takes decoded bytes.
using LzhWrite = std::function<void(std::span<const uint8_t> bytes)>;

class TLZH {
  public:
    // Decodes the bit stream that `read` gives into exactly `count` bytes
    // (none when `count` is not positive), passed to `write` one at a time.
    // Input that runs out reads as zero bits, so a truncated stream still
    // yields `count` bytes, of garbage. Throws ElzhException when the tables
    // cannot be allocated.
    void Decode(int32_t count, const LzhWrite& write, const LzhRead& read);

  private:
    struct Tables;

    void FillBitBuffer();
    int GetBit();
    int GetByte();
    int DecodeChar(lzh::LzhTree& tree);
    int DecodePosition();

    // The input of the Decode that is running.
    const LzhRead* read_ = nullptr;
    // The next unread bits stand at the top.
    uint16_t bitBuffer_ = 0;
    uint8_t bitCount_ = 0;
};

}  // namespace skin
