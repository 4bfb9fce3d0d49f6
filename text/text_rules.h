// Trimming and letter case as the whole program applies them to text.
#pragma once

#include <string>
#include <string_view>

namespace text {

// Removes leading and trailing characters of code 32 or less (space, tab,
// line breaks, other control characters). Bytes above 32, and so every
// Chinese character, are never touched.
std::string Trim(std::string_view s);

// Whether the text is empty once trimmed.
bool IsBlank(std::string_view s);

// The value of a hexadecimal digit of either case, or -1 for any other character.
int HexDigit(char c);

// Upper-cases the ASCII letters a to z; every other character stays.
std::string UpperAscii(std::string_view s);

// Lower-cases the ASCII letters A to Z; every other character stays.
std::string LowerAscii(std::string_view s);

}  // namespace text
