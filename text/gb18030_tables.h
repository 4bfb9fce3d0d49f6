// The GB18030 mapping tables, generated at build time (tools/gb18030_table_gen).
#pragma once

#include <cstddef>
#include <cstdint>

namespace text::gb18030 {

// Two-byte codes: lead byte 0x81..0xFE, trail byte 0x40..0xFE; entry
// (lead - 0x81) * 191 + (trail - 0x40) is the code point, 0 where unassigned.
constexpr int kLeadCount = 126;
constexpr int kTrailCount = 191;
extern const uint16_t kTwoByteToUnicode[kLeadCount * kTrailCount];

// Four-byte codes of the Basic Multilingual Plane: runs in which consecutive
// linear indexes (see LinearIndex in gbk_text.cpp) map to consecutive code
// points, sorted once by code point and once by index.
struct FourByteRun {
    uint32_t firstIndex;
    uint32_t firstCodePoint;
    uint32_t length;
};
extern const FourByteRun kFourByteRunsByCodePoint[];
extern const FourByteRun kFourByteRunsByIndex[];
extern const size_t kFourByteRunCount;

}  // namespace text::gb18030
