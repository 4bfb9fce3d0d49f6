#include "skin/lzh.h"

#include <algorithm>
#include <array>
#include <memory>
#include <new>

namespace skin {

using namespace lzh;

namespace {

// How much input is read ahead at a time.
constexpr size_t kInputBlock = 16384;

}  // namespace

struct TLZH::Tables {
    LzhTree tree;
    // The decoded bytes go into the ring, and from there to the writer in
    // runs: whenever the ring wraps, and at the end.
    std::array<uint8_t, N> ring;
    std::array<uint8_t, kInputBlock> input;
};

void TLZH::FillBitBuffer() {
    while (bitCount_ <= 56) {
        uint8_t byte = 0;
        if (next_ == end_ && !inputEnded_) {
            const size_t n = (*read_)(inputBlock_);
            next_ = inputBlock_.data();
            end_ = next_ + std::min(n, inputBlock_.size());
            inputEnded_ = n == 0;
        }
        if (next_ != end_)
            byte = *next_++;
        bitBuffer_ |= static_cast<uint64_t>(byte) << (56 - bitCount_);
        bitCount_ += 8;
    }
}

// The walk down the tree is the decoder's inner loop: it runs on copies of
// the bit buffer, which stay in registers.
int TLZH::DecodeChar(LzhTree& tree) {
    uint64_t bits = bitBuffer_;
    int bitCount = bitCount_;
    int c = tree.Son(R);
    while (c < T) {
        if (bitCount == 0) {
            bitBuffer_ = bits;
            bitCount_ = bitCount;
            FillBitBuffer();
            bits = bitBuffer_;
            bitCount = bitCount_;
        }
        c = tree.Son(c + static_cast<int>(bits >> 63));
        bits <<= 1;
        --bitCount;
    }
    bitBuffer_ = bits;
    bitCount_ = bitCount;
    const int symbol = c - T;
    tree.UpdateFreq(symbol);
    return symbol;
}

// The first eight bits select the upper six bits of the distance and how
// many more bits (1 to 6) follow them; the low six bits of all those bits
// together are the lower six of the distance.
int TLZH::DecodePosition() {
    if (bitCount_ < 16)
        FillBitBuffer();
    const int first = static_cast<int>(bitBuffer_ >> 56);
    const int width = 8 + kPositionCode.length[first] - 2;
    const int all = static_cast<int>(bitBuffer_ >> (64 - width));
    bitBuffer_ <<= width;
    bitCount_ -= width;
    return kPositionCode.code[first] << 6 | (all & 0x3F);
}

void TLZH::Decode(int32_t count, const LzhWrite& write, const LzhRead& read) {
    std::unique_ptr<Tables> tables;
    try {
        tables = std::make_unique<Tables>();
    } catch (const std::bad_alloc&) {
        throw ElzhException("LZH : Cannot get memory for dictionary tables");
    }
    read_ = &read;
    inputBlock_ = tables->input;
    next_ = end_ = nullptr;
    inputEnded_ = false;
    bitBuffer_ = 0;
    bitCount_ = 0;
    std::array<uint8_t, N>& ring = tables->ring;
    // The positions a match may reach before the first N - F bytes are out
    // read as spaces (and the few above them as zeros).
    ring.fill(0);
    std::fill_n(ring.begin(), kRingStart, ' ');
    int r = kRingStart;
    int unwritten = kRingStart;  // where the bytes not yet written begin

    auto put = [&](uint8_t byte) {
        ring[r] = byte;
        r = (r + 1) & (N - 1);
        if (r == 0) {
            write(std::span(ring).subspan(unwritten));
            unwritten = 0;
        }
    };
    while (count > 0) {
        const int symbol = DecodeChar(tables->tree);
        if (symbol < kFirstMatchSymbol) {
            put(static_cast<uint8_t>(symbol));
            --count;
            continue;
        }
        int from = (r - DecodePosition() - 1) & (N - 1);
        // A match that would run past `count` stops there.
        const int length = std::min(symbol - kFirstMatchSymbol + THRESHOLD + 1, count);
        count -= length;
        // Byte by byte and forwards, so that a match may repeat what it has
        // just written; without the wrap-around where neither end wraps.
        if (r + length < N && from + length <= N) {
            for (int k = 0; k < length; ++k)
                ring[r + k] = ring[from + k];
            r += length;
            continue;
        }
        for (int k = 0; k < length; ++k) {
            put(ring[from]);
            from = (from + 1) & (N - 1);
        }
    }
    if (r != unwritten)
        write(std::span(ring).subspan(unwritten, r - unwritten));
}

}  // namespace skin
