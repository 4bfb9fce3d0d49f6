// The field cipher of the story, source and example fields: the GBK bytes of
// the text, each XORed with every byte of a fixed key phrase in turn, written
// as upper-case hexadecimal pairs.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace store {

// Each byte becomes two upper-case hexadecimal digits, high digit first.
std::string HexEncode(std::string_view bytes);

// Pairs of hexadecimal digits (either case) to bytes; an odd-length text is
// read as if "0" followed it. Throws ConversionError for a pair that is not
// hexadecimal.
std::string HexDecode(std::string_view hex);

// Stored value to display text (UTF-8). Answers nothing for a stored value of
// odd length, which the caller reports as "密文错误！". Throws ConversionError
// for a non-hexadecimal pair.
std::optional<std::string> DecipherField(std::string_view stored);

// Display text (UTF-8) to its stored value: the inverse of DecipherField.
std::string EncipherField(std::string_view text);

}  // namespace store
