#include "settings/settings_snapshot.h"

#include <cstdint>
#include <optional>

#include "settings/settings_file.h"
#include "text/gbk_text.h"
#include "text/text_rules.h"

namespace settings {
namespace {

// Hexadecimal takes all 32 bits, so "0xFFFFFFFF" is -1.
std::optional<int> ParseHex(std::string_view digits) {
    uint64_t value = 0;
    for (char c : digits) {
        const int digit = text::HexDigit(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + static_cast<uint64_t>(digit);
        if (value > UINT32_MAX)
            return std::nullopt;
    }
    return static_cast<int>(static_cast<uint32_t>(value));
}

std::optional<int> ParseDecimal(std::string_view s) {
    const bool negative = !s.empty() && s[0] == '-';
    if (!s.empty() && (s[0] == '-' || s[0] == '+'))
        s.remove_prefix(1);
    if (s.empty())
        return std::nullopt;
    int64_t value = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > int64_t{INT32_MAX} + 1)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

std::optional<int> ParseInteger(std::string_view s) {
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X'))
        return ParseHex(s.substr(2));
    return ParseDecimal(s);
}

}  // namespace

std::string SettingsSnapshot::ReadString(std::string_view section, std::string_view key,
                                         std::string_view defaultValue) const {
    const std::optional<std::string> value = document_.Value(section, key);
    return text::gbk::LimitBytes(value ? *value : defaultValue, kMaxReadLength);
}

int SettingsSnapshot::ReadInteger(std::string_view section, std::string_view key,
                                  int defaultValue) const {
    return ParseInteger(ReadString(section, key, "")).value_or(defaultValue);
}

bool SettingsSnapshot::ReadBool(std::string_view section, std::string_view key,
                                bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

}  // namespace settings
