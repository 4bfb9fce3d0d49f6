// The LZHUF decoder on any input: it must write exactly the count asked
// whatever the bits, and give back what the encoder made of the input.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "skin/lzh.h"
#include "tools/lzh_encoder.h"

namespace {

std::vector<uint8_t> Decode(std::span<const uint8_t> stream, int32_t count) {
    std::vector<uint8_t> out;
    skin::TLZH().Decode(
        count,
        [&](std::span<const uint8_t> bytes) { out.insert(out.end(), bytes.begin(), bytes.end()); },
        [&](std::span<uint8_t> buffer) {
            const size_t n = std::min(buffer.size(), stream.size());
            std::copy_n(stream.begin(), n, buffer.begin());
            stream = stream.subspan(n);
            return n;
        });
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> input(data, size);
    if (size >= 2) {
        // The first two bytes give the count, at most what a stream of this
        // length can hold (as the reader demands), so that runs stay short.
        const int32_t count =
            std::min<int32_t>(data[0] | data[1] << 8, 48 * static_cast<int32_t>(size - 2));
        if (Decode(input.subspan(2), count).size() != static_cast<size_t>(count))
            std::abort();
    }
    const std::vector<uint8_t> original(input.begin(), input.end());
    if (Decode(LzhCompress(input), static_cast<int32_t>(size)) != original)
        std::abort();
    return 0;
}
