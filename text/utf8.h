// Walking and building UTF-8 text one code point at a time.
#pragma once

#include <string>
#include <string_view>

namespace text::utf8 {

constexpr char32_t kReplacement = 0xFFFD;

// Reads the code point at `pos` and moves `pos` behind it. A malformed or
// truncated sequence yields kReplacement and moves `pos` by one byte.
char32_t Next(std::string_view text, size_t& pos);

void Append(std::string& out, char32_t cp);

}  // namespace text::utf8
