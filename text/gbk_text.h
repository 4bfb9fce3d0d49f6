// GBK text: the byte encoding of the program's files and of its enciphered
// fields. Characters that GBK lacks are written in GB18030's four-byte form,
// which GBK readers never meet in GBK text; for every GBK character GB18030
// and GBK give the same bytes, so this is one lossless encoding for all text.
#pragma once

#include <string>
#include <string_view>

namespace text::gbk {

// UTF-8 to GBK/GB18030 bytes. Malformed UTF-8 becomes "?".
std::string FromUtf8(std::string_view utf8);

// GBK/GB18030 bytes to UTF-8. A byte sequence that encodes nothing becomes
// U+FFFD.
std::string ToUtf8(std::string_view bytes);

// The number of GBK bytes the UTF-8 text takes.
size_t ByteLength(std::string_view utf8);

// The longest start of the UTF-8 text whose GBK form has at most `maxBytes`
// bytes; characters are never cut in half.
std::string LimitBytes(std::string_view utf8, size_t maxBytes);

}  // namespace text::gbk
