// The LZHUF encoder of the skin archives, for the build only: the program
// itself only decodes.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "skin/lzh_tree.h"

// Writes an LZHUF bit stream one token at a time, coding each with the same
// adaptive tree as the decoder.
class LzhEncoder {
  public:
    void Literal(uint8_t byte);
    // A copy of `length` bytes (3 to 60) that starts `distance` bytes back
    // (1 to 4096); the copy may overlap the bytes it writes. The bytes before
    // the data count as spaces. Throws std::invalid_argument out of range.
    void Match(int length, int distance);
    // The stream, its last byte filled up with zero bits.
    std::vector<uint8_t> Finish();

  private:
    void PutBits(uint32_t bits, int count);
    void EncodeChar(int symbol);

    skin::lzh::LzhTree tree_;
    std::vector<uint8_t> out_;
    uint32_t pending_ = 0;
    int pendingBits_ = 0;
    std::vector<int> path_;
};

// The LZHUF stream of `data`, with greedy longest matches.
std::vector<uint8_t> LzhCompress(std::span<const uint8_t> data);
