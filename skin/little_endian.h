// The 4-byte little-endian integers of the skin archive formats.
#pragma once

#include <array>
#include <cstdint>

namespace skin {

inline int32_t ReadInt32Le(const uint8_t* p) {
    return static_cast<int32_t>(uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 |
                                uint32_t{p[3]} << 24);
}

inline std::array<uint8_t, 4> Int32Le(int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    return {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
            static_cast<uint8_t>(v >> 24)};
}

}  // namespace skin
