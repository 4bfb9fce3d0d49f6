// The bytes of a plain-text export: the view's text in GBK, lines separated
// by carriage return and line feed.
#pragma once

#include <string>
#include <string_view>

namespace output {

// `text` is UTF-8 with any kind of line breaks (CR, LF or CR LF).
std::string PlainTextFileBytes(std::string_view text);

}  // namespace output
