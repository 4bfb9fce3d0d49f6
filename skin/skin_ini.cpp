#include "skin/skin_ini.h"

#include <algorithm>
#include <cstdint>

#include "text/text_rules.h"

namespace skin {
namespace {

bool IsHeader(std::string_view line) {
    return !line.empty() && line.front() == '[' && line.back() == ']';
}

char UpperAsciiChar(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Equal but for the letter case of ASCII letters; lookups run this for every
// line they pass, so it compares in place.
bool SameAsciiText(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (UpperAsciiChar(a[i]) != UpperAsciiChar(b[i]))
            return false;
    }
    return true;
}

}  // namespace

void TSkinIni::LoadFromStream(std::string_view text) {
    lines_.clear();
    sections_.clear();
    const size_t end = std::min(text.find('\0'), text.size());
    size_t pos = 0;
    while (pos < end) {
        size_t stop = pos;
        while (stop < end && text[stop] != '\r' && text[stop] != '\n')
            ++stop;
        std::string line = text::Trim(text.substr(pos, stop - pos));
        pos = stop;
        if (pos < end) {
            const bool carriageReturn = text[pos] == '\r';
            ++pos;
            if (carriageReturn && pos < end && text[pos] == '\n')
                ++pos;
        }
        if (line.empty() || line.front() == ';')
            continue;
        if (IsHeader(line))
            sections_.push_back({line, static_cast<int>(lines_.size())});
        lines_.push_back(std::move(line));
    }
}

int TSkinIni::FindSection(std::string_view name) const {
    // Every stored header begins with "[" and ends with "]".
    for (const Section& s : sections_) {
        if (SameAsciiText(std::string_view(s.header).substr(1, s.header.size() - 2), name))
            return s.line;
    }
    return -1;
}

std::string TSkinIni::ReadString(std::string_view section, std::string_view key,
                                 std::string_view def) const {
    const int header = FindSection(section);
    if (header < 0)
        return std::string(def);
    for (size_t i = static_cast<size_t>(header) + 1; i < lines_.size(); ++i) {
        const std::string_view line = lines_[i];
        if (IsHeader(line))
            break;
        const size_t equals = line.find('=');
        const std::string_view lineKey =
            equals == std::string_view::npos ? std::string_view() : line.substr(0, equals);
        if (!SameAsciiText(text::Trim(lineKey), key))
            continue;
        if (equals == std::string_view::npos)
            return std::string(def);
        std::string value = text::Trim(line.substr(equals + 1));
        return value.empty() ? std::string(def) : value;
    }
    return std::string(def);
}

int TSkinIni::ReadInteger(std::string_view section, std::string_view key, int def) const {
    std::string value = ReadString(section, key, "");
    if (value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X'))
        value.replace(0, 2, "$");
    int result = 0;
    return ParseDefinitionInteger(value, result) ? result : def;
}

std::vector<std::string> TSkinIni::ReadSections() const {
    std::vector<std::string> names;
    for (const Section& s : sections_)
        names.push_back(text::Trim(std::string_view(s.header).substr(1, s.header.size() - 2)));
    return names;
}

bool ParseDefinitionInteger(std::string_view text, int& value) {
    size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    uint32_t magnitude = 0;
    if (pos < text.size() && text[pos] == '$') {
        ++pos;
        const size_t digits = text.size() - pos;
        if (digits == 0 || digits > 8)
            return false;
        for (; pos < text.size(); ++pos) {
            const int d = text::HexDigit(text[pos]);
            if (d < 0)
                return false;
            magnitude = magnitude * 16 + static_cast<uint32_t>(d);
        }
    } else {
        if (pos == text.size())
            return false;
        const uint64_t limit = negative ? 2147483648u : 2147483647u;
        uint64_t wide = 0;
        for (; pos < text.size(); ++pos) {
            if (text[pos] < '0' || text[pos] > '9')
                return false;
            wide = wide * 10 + static_cast<uint64_t>(text[pos] - '0');
            if (wide > limit)
                return false;
        }
        magnitude = static_cast<uint32_t>(wide);
    }
    value = static_cast<int>(negative ? 0u - magnitude : magnitude);
    return true;
}

}  // namespace skin
