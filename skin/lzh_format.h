// The constants of the LZHUF format the skin archives are compressed in, and
// its fixed prefix code for the upper six bits of a match distance.
#pragma once

#include <array>
#include <cstdint>

namespace skin::lzh {

constexpr int N = 4096;                      // ring buffer size
constexpr int F = 60;                        // longest match
constexpr int THRESHOLD = 2;                 // matches are longer than this
constexpr int N_CHAR = 256 - THRESHOLD + F;  // 256 literals and 58 match lengths
constexpr int T = 2 * N_CHAR - 1;            // nodes of the code tree
constexpr int R = T - 1;                     // its root
constexpr unsigned MAX_FREQ = 0x8000;        // the root's count that halves all counts
constexpr int kFirstMatchSymbol = 256;       // symbol of a match of THRESHOLD + 1 bytes
// The ring starts out as spaces, written from this position on.
constexpr int kRingStart = N - F;

struct PositionCode {
    // By the first eight bits of a distance: d_code, its upper six bits, and
    // d_len, the length of their code (the byte holds it, and the low six
    // bits need d_len - 2 more bits).
    std::array<uint8_t, 256> code;
    std::array<uint8_t, 256> length;
};

// The upper values 0..63 come in groups of one code length; a value coded in
// `length` bits owns the 2^(8 - length) first bytes that begin with its code.
constexpr PositionCode MakePositionCode() {
    struct Group {
        int values, length;
    };
    constexpr Group groups[] = {{1, 3}, {3, 4}, {8, 5}, {12, 6}, {24, 7}, {16, 8}};
    PositionCode table{};
    int byte = 0, value = 0;
    for (const Group& g : groups) {
        for (int v = 0; v < g.values; ++v, ++value) {
            for (int k = 0; k < 1 << (8 - g.length); ++k, ++byte) {
                table.code[byte] = static_cast<uint8_t>(value);
                table.length[byte] = static_cast<uint8_t>(g.length);
            }
        }
    }
    return table;
}

inline constexpr PositionCode kPositionCode = MakePositionCode();

}  // namespace skin::lzh
