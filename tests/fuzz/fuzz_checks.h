// What the fuzz targets share: a failing property stops the run with its
// name (libFuzzer then saves the input), and UTF-8 is judged by the table of
// well-formed byte sequences, independently of the decoder under test.
#pragma once

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace fuzz {

inline void Check(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}

// The length of the well-formed UTF-8 sequence at `pos` (shortest form, no
// surrogates, nothing above U+10FFFF), or 0 when none starts there.
inline size_t WellFormedLength(std::string_view s, size_t pos) {
    struct Row {
        unsigned char firstLow, firstHigh, secondLow, secondHigh;
        size_t length;
    };
    static constexpr Row kRows[] = {
        {0xC2, 0xDF, 0x80, 0xBF, 2}, {0xE0, 0xE0, 0xA0, 0xBF, 3}, {0xE1, 0xEC, 0x80, 0xBF, 3},
        {0xED, 0xED, 0x80, 0x9F, 3}, {0xEE, 0xEF, 0x80, 0xBF, 3}, {0xF0, 0xF0, 0x90, 0xBF, 4},
        {0xF1, 0xF3, 0x80, 0xBF, 4}, {0xF4, 0xF4, 0x80, 0x8F, 4},
    };
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    if (byte(pos) < 0x80)
        return 1;
    for (const Row& row : kRows) {
        if (byte(pos) < row.firstLow || byte(pos) > row.firstHigh)
            continue;
        if (pos + row.length > s.size() || byte(pos + 1) < row.secondLow ||
            byte(pos + 1) > row.secondHigh)
            return 0;
        for (size_t i = pos + 2; i < pos + row.length; ++i) {
            if (byte(i) < 0x80 || byte(i) > 0xBF)
                return 0;
        }
        return row.length;
    }
    return 0;
}

inline bool IsUtf8(std::string_view s) {
    for (size_t pos = 0; pos < s.size();) {
        const size_t length = WellFormedLength(s, pos);
        if (length == 0)
            return false;
        pos += length;
    }
    return true;
}

// One character of a text, or one byte that starts no well-formed sequence.
struct Piece {
    std::string_view bytes;
    bool wellFormed;
};

inline std::vector<Piece> Pieces(std::string_view s) {
    std::vector<Piece> pieces;
    for (size_t pos = 0; pos < s.size();) {
        const size_t length = WellFormedLength(s, pos);
        pieces.push_back({s.substr(pos, length == 0 ? 1 : length), length != 0});
        pos += length == 0 ? 1 : length;
    }
    return pieces;
}

}  // namespace fuzz
