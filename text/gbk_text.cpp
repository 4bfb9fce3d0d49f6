#include "text/gbk_text.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "text/gb18030_tables.h"
#include "text/utf8.h"

namespace text::gbk {
namespace {

using gb18030::kFourByteRunCount;
using gb18030::kFourByteRunsByCodePoint;
using gb18030::kFourByteRunsByIndex;
using gb18030::kTrailCount;
using gb18030::kTwoByteToUnicode;

// Four-byte codes b1 b2 b3 b4 number consecutively: b4 is the fastest digit
// (0x30..0x39), then b3 (0x81..0xFE), b2 (0x30..0x39) and b1 (0x81..0xFE).
uint32_t LinearIndex(uint32_t b1, uint32_t b2, uint32_t b3, uint32_t b4) {
    return (((b1 - 0x81) * 10 + (b2 - 0x30)) * 126 + (b3 - 0x81)) * 10 + (b4 - 0x30);
}

// U+10000 is 0x90 0x30 0x81 0x30; the planes above follow linearly.
const uint32_t kSupplementaryBase = LinearIndex(0x90, 0x30, 0x81, 0x30);

void AppendFourByte(std::string& out, uint32_t index) {
    const char b4 = static_cast<char>(0x30 + index % 10);
    index /= 10;
    const char b3 = static_cast<char>(0x81 + index % 126);
    index /= 126;
    const char b2 = static_cast<char>(0x30 + index % 10);
    index /= 10;
    const char b1 = static_cast<char>(0x81 + index);
    out += b1;
    out += b2;
    out += b3;
    out += b4;
}

// Code point to two-byte code (lead << 8 | trail), 0 where there is none.
const std::vector<uint16_t>& TwoByteFromUnicode() {
    static const std::vector<uint16_t> table = [] {
        std::vector<uint16_t> t(0x10000, 0);
        for (int i = 0; i < gb18030::kLeadCount * kTrailCount; ++i) {
            if (const uint16_t cp = kTwoByteToUnicode[i]; cp != 0 && t[cp] == 0) {
                t[cp] = static_cast<uint16_t>(((0x81 + i / kTrailCount) << 8) |
                                              (0x40 + i % kTrailCount));
            }
        }
        return t;
    }();
    return table;
}

void AppendEncoded(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
        return;
    }
    if (cp >= 0x10000) {
        AppendFourByte(out, kSupplementaryBase + (cp - 0x10000));
        return;
    }
    if (const uint16_t code = TwoByteFromUnicode()[cp]; code != 0) {
        out += static_cast<char>(code >> 8);
        out += static_cast<char>(code & 0xFF);
        return;
    }
    const auto* begin = kFourByteRunsByCodePoint;
    const auto* run = std::upper_bound(
        begin, begin + kFourByteRunCount, static_cast<uint32_t>(cp),
        [](uint32_t c, const gb18030::FourByteRun& r) { return c < r.firstCodePoint; });
    if (run != begin) {
        --run;
        if (cp - run->firstCodePoint < run->length) {
            AppendFourByte(out, run->firstIndex + (cp - run->firstCodePoint));
            return;
        }
    }
    out += '?';
}

// Appends the encoding of the character at `pos` of a UTF-8 text and moves
// `pos` behind it. A byte that starts no character becomes "?", here as in
// every count of a text's bytes.
void AppendCharacter(std::string& out, std::string_view utf8Text, size_t& pos) {
    const size_t start = pos;
    const char32_t cp = utf8::Next(utf8Text, pos);
    if (cp == utf8::kReplacement && pos == start + 1 &&
        static_cast<unsigned char>(utf8Text[start]) >= 0x80) {
        out += '?';
    } else {
        AppendEncoded(out, cp);
    }
}

char32_t FourByteToUnicode(uint32_t b1, uint32_t index) {
    if (b1 >= 0x90 && b1 <= 0xE3) {
        const char32_t cp = 0x10000 + (index - kSupplementaryBase);
        return cp <= 0x10FFFF ? cp : utf8::kReplacement;
    }
    const auto* begin = kFourByteRunsByIndex;
    const auto* run = std::upper_bound(
        begin, begin + kFourByteRunCount, index,
        [](uint32_t i, const gb18030::FourByteRun& r) { return i < r.firstIndex; });
    if (run == begin)
        return utf8::kReplacement;
    --run;
    return index - run->firstIndex < run->length ? run->firstCodePoint + (index - run->firstIndex)
                                                 : utf8::kReplacement;
}

}  // namespace

std::string FromUtf8(std::string_view utf8Text) {
    std::string out;
    out.reserve(utf8Text.size());
    for (size_t pos = 0; pos < utf8Text.size();)
        AppendCharacter(out, utf8Text, pos);
    return out;
}

std::string ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    const auto at = [&](size_t i) -> uint32_t {
        return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0;
    };
    for (size_t i = 0; i < bytes.size();) {
        const uint32_t b1 = at(i);
        if (b1 < 0x80) {
            out += static_cast<char>(b1);
            ++i;
            continue;
        }
        const uint32_t b2 = at(i + 1);
        if (b1 >= 0x81 && b1 <= 0xFE && b2 >= 0x40 && b2 <= 0xFE && b2 != 0x7F) {
            const uint16_t cp = kTwoByteToUnicode[(b1 - 0x81) * kTrailCount + (b2 - 0x40)];
            utf8::Append(out, cp != 0 ? cp : utf8::kReplacement);
            i += 2;
            continue;
        }
        const uint32_t b3 = at(i + 2), b4 = at(i + 3);
        if (b1 >= 0x81 && b1 <= 0xFE && b2 >= 0x30 && b2 <= 0x39 && b3 >= 0x81 && b3 <= 0xFE &&
            b4 >= 0x30 && b4 <= 0x39) {
            utf8::Append(out, FourByteToUnicode(b1, LinearIndex(b1, b2, b3, b4)));
            i += 4;
            continue;
        }
        utf8::Append(out, utf8::kReplacement);
        ++i;
    }
    return out;
}

size_t ByteLength(std::string_view utf8Text) {
    return FromUtf8(utf8Text).size();
}

std::string LimitBytes(std::string_view utf8Text, size_t maxBytes) {
    std::string encoded;
    size_t pos = 0;
    while (pos < utf8Text.size()) {
        size_t next = pos;
        AppendCharacter(encoded, utf8Text, next);
        if (encoded.size() > maxBytes)
            break;
        pos = next;
    }
    return std::string(utf8Text.substr(0, pos));
}

}  // namespace text::gbk
