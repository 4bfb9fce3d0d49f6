#include "skin/lzh.h"

#include <algorithm>
#include <array>
#include <memory>
#include <new>

namespace skin {

using namespace lzh;

struct TLZH::Tables {
    LzhTree tree;
    std::array<uint8_t, N> ring;
};

void TLZH::FillBitBuffer() {
    while (bitCount_ <= 8) {
        uint8_t byte = 0;
        if ((*read_)(std::span(&byte, 1)) != 1)
            byte = 0;
        bitBuffer_ |= static_cast<uint16_t>(byte << (8 - bitCount_));
        bitCount_ += 8;
    }
}

int TLZH::GetBit() {
    FillBitBuffer();
    const int bit = bitBuffer_ >> 15;
    bitBuffer_ = static_cast<uint16_t>(bitBuffer_ << 1);
    --bitCount_;
    return bit;
}

int TLZH::GetByte() {
    FillBitBuffer();
    const int byte = bitBuffer_ >> 8;
    bitBuffer_ = static_cast<uint16_t>(bitBuffer_ << 8);
    bitCount_ -= 8;
    return byte;
}

int TLZH::DecodeChar(LzhTree& tree) {
    int c = tree.Son(R);
    while (c < T)
        c = tree.Son(c + GetBit());
    const int symbol = c - T;
    tree.UpdateFreq(symbol);
    return symbol;
}

// The first byte read selects the upper six bits and how many more bits of
// the lower six follow; the rest of those come one at a time.
int TLZH::DecodePosition() {
    int i = GetByte();
    const int upper = kPositionCode.code[i] << 6;
    for (int j = kPositionCode.length[i] - 2; j > 0; --j)
        i = (i << 1) + GetBit();
    return upper | (i & 0x3F);
}

void TLZH::Decode(int32_t count, const LzhWrite& write, const LzhRead& read) {
    std::unique_ptr<Tables> tables;
    try {
        tables = std::make_unique<Tables>();
    } catch (const std::bad_alloc&) {
        throw ElzhException("LZH : Cannot get memory for dictionary tables");
    }
    read_ = &read;
    bitBuffer_ = 0;
    bitCount_ = 0;
    std::array<uint8_t, N>& ring = tables->ring;
    // The positions a match may reach before the first N - F bytes are out
    // read as spaces (and the few above them as zeros).
    ring.fill(0);
    std::fill_n(ring.begin(), kRingStart, ' ');
    int r = kRingStart;

    auto put = [&](uint8_t byte) {
        write(std::span(&byte, 1));
        ring[r] = byte;
        r = (r + 1) & (N - 1);
        --count;
    };
    while (count > 0) {
        const int symbol = DecodeChar(tables->tree);
        if (symbol < kFirstMatchSymbol) {
            put(static_cast<uint8_t>(symbol));
            continue;
        }
        const int start = (r - DecodePosition() - 1) & (N - 1);
        const int length = symbol - kFirstMatchSymbol + THRESHOLD + 1;
        // Byte by byte, so that a match may repeat what it has just written;
        // a match that would run past `count` stops there.
        for (int k = 0; k < length && count > 0; ++k)
            put(ring[(start + k) & (N - 1)]);
    }
}

}  // namespace skin
