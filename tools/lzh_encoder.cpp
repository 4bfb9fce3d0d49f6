#include "tools/lzh_encoder.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>

using namespace skin::lzh;

namespace {

// For each upper six bits of a distance, the code the decoder's table
// assigns: the leading bits of the first byte that maps to it.
struct UpperCode {
    uint8_t firstByte;
    uint8_t length;
};

constexpr std::array<UpperCode, 64> MakeUpperCodes() {
    std::array<UpperCode, 64> codes{};
    for (int byte = 255; byte >= 0; --byte)
        codes[kPositionCode.code[byte]] = {static_cast<uint8_t>(byte), kPositionCode.length[byte]};
    return codes;
}

constexpr std::array<UpperCode, 64> kUpperCodes = MakeUpperCodes();

}  // namespace

void LzhEncoder::PutBits(uint32_t bits, int count) {
    pending_ = (pending_ << count) | bits;
    pendingBits_ += count;
    while (pendingBits_ >= 8) {
        pendingBits_ -= 8;
        out_.push_back(static_cast<uint8_t>(pending_ >> pendingBits_));
    }
    pending_ &= (1u << pendingBits_) - 1;
}

// The code of a symbol is its path from the root: at each node, 0 for the
// first child of the pair and 1 for the second (the odd position).
void LzhEncoder::EncodeChar(int symbol) {
    path_.clear();
    for (int node = tree_.LeafOf(symbol); node != R; node = tree_.Parent(node))
        path_.push_back(node & 1);
    for (auto bit = path_.rbegin(); bit != path_.rend(); ++bit)
        PutBits(static_cast<uint32_t>(*bit), 1);
    tree_.UpdateFreq(symbol);
}

void LzhEncoder::Literal(uint8_t byte) {
    EncodeChar(byte);
}

void LzhEncoder::Match(int length, int distance) {
    if (length <= THRESHOLD || length > F || distance < 1 || distance > N)
        throw std::invalid_argument("LZHUF match out of range");
    EncodeChar(kFirstMatchSymbol + length - THRESHOLD - 1);
    const int position = distance - 1;
    const UpperCode& upper = kUpperCodes[position >> 6];
    PutBits(upper.firstByte >> (8 - upper.length), upper.length);
    PutBits(static_cast<uint32_t>(position & 0x3F), 6);
}

std::vector<uint8_t> LzhEncoder::Finish() {
    if (pendingBits_ > 0)
        PutBits(0, 8 - pendingBits_);
    return out_;
}

namespace {

// Finds earlier occurrences of three-byte strings through chains of
// positions with the same hash, newest first.
class MatchFinder {
  public:
    explicit MatchFinder(const std::vector<uint8_t>& window)
        : window_(window), head_(kHashSize, -1), previous_(window.size(), -1) {}

    void Insert(size_t pos) {
        if (pos + 3 > window_.size())
            return;
        const size_t h = Hash(pos);
        previous_[pos] = head_[h];
        head_[h] = static_cast<int32_t>(pos);
    }

    struct Found {
        int length = 0;
        int distance = 0;
    };

    // The longest match for `pos` within the reach of a distance, of at most
    // `limit` bytes.
    Found Longest(size_t pos, int limit) const {
        Found best;
        if (limit <= THRESHOLD)
            return best;
        int steps = 0;
        for (int32_t candidate = head_[Hash(pos)];
             candidate >= 0 && pos - static_cast<size_t>(candidate) <= static_cast<size_t>(N) &&
             steps < kMaxSteps;
             candidate = previous_[static_cast<size_t>(candidate)], ++steps) {
            const uint8_t* a = window_.data() + candidate;
            const uint8_t* b = window_.data() + pos;
            int length = 0;
            while (length < limit && a[length] == b[length])
                ++length;
            if (length > best.length) {
                best = {length, static_cast<int>(pos - static_cast<size_t>(candidate))};
                if (length == limit)
                    break;
            }
        }
        return best;
    }

  private:
    static constexpr size_t kHashSize = 1 << 16;
    static constexpr int kMaxSteps = 256;

    size_t Hash(size_t pos) const {
        const uint32_t key =
            uint32_t{window_[pos]} << 16 | uint32_t{window_[pos + 1]} << 8 | window_[pos + 2];
        return (key * 2654435761u) >> 16;
    }

    const std::vector<uint8_t>& window_;
    std::vector<int32_t> head_;
    std::vector<int32_t> previous_;
};

}  // namespace

std::vector<uint8_t> LzhCompress(std::span<const uint8_t> data) {
    if (data.size() > static_cast<size_t>(INT32_MAX) - kRingStart)
        throw std::length_error("too much data for one LZHUF stream");
    // The decoder's ring holds spaces before the first byte; matches may use
    // them like any earlier bytes.
    std::vector<uint8_t> window(kRingStart, ' ');
    window.insert(window.end(), data.begin(), data.end());
    MatchFinder finder(window);
    for (size_t pos = 0; pos < static_cast<size_t>(kRingStart); ++pos)
        finder.Insert(pos);

    LzhEncoder encoder;
    size_t pos = kRingStart;
    while (pos < window.size()) {
        const int limit = static_cast<int>(std::min<size_t>(F, window.size() - pos));
        const MatchFinder::Found match = finder.Longest(pos, limit);
        int length = 1;
        if (match.length > THRESHOLD) {
            encoder.Match(match.length, match.distance);
            length = match.length;
        } else {
            encoder.Literal(window[pos]);
        }
        for (const size_t next = pos + static_cast<size_t>(length); pos < next; ++pos)
            finder.Insert(pos);
    }
    return encoder.Finish();
}
