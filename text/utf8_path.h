// File-system paths from UTF-8 text. A plain std::string path would be read
// in the system's ANSI code page on Windows and lose Chinese names.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace text {

inline std::filesystem::path Utf8Path(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string PathUtf8(const std::filesystem::path& path) {
    const std::u8string s = path.u8string();
    return std::string(s.begin(), s.end());
}

}  // namespace text
