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
    // (none when `count` is not positive), passed to `write` in runs of up
    // to the ring's size as they are complete. `read` is asked for whole
    // blocks, so it may be asked for more than the stream's end. Input that
    // runs out reads as zero bits, so a truncated stream still yields
    // `count` bytes, of garbage. Throws ElzhException when the tables cannot
    // be allocated.
    void Decode(int32_t count, const LzhWrite& write, const LzhRead& read);

  private:
    struct Tables;

    // Tops the bit buffer up to more than 56 bits.
    void FillBitBuffer();
    int DecodeChar(lzh::LzhTree& tree);
    int DecodePosition();

    // The input of the Decode that is running: a block read ahead, and
    // whether `read` has given its last byte.
    const LzhRead* read_ = nullptr;
    std::span<uint8_t> inputBlock_;
    const uint8_t* next_ = nullptr;
    const uint8_t* end_ = nullptr;
    bool inputEnded_ = false;
    // The next unread bits stand at the top.
    uint64_t bitBuffer_ = 0;
    int bitCount_ = 0;
};

}  // namespace skin
