#include "text/text_rules.h"

namespace text {
namespace {

bool IsTrimmed(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

}  // namespace

std::string Trim(std::string_view s) {
    size_t begin = 0, end = s.size();
    while (begin < end && IsTrimmed(s[begin]))
        ++begin;
    while (end > begin && IsTrimmed(s[end - 1]))
        --end;
    return std::string(s.substr(begin, end - begin));
}

bool IsBlank(std::string_view s) {
    for (char c : s) {
        if (!IsTrimmed(c))
            return false;
    }
    return true;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string UpperAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

std::string LowerAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

}  // namespace text
