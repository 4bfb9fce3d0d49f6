// The settings file as one read found it, for a caller that reads many keys
// at once: each read of the file itself asks the system to open, read and
// close it.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "settings/ini_document.h"

namespace settings {

class SettingsSnapshot {
  public:
    // `document`: the file's contents; empty for a missing or unreadable file.
    explicit SettingsSnapshot(IniDocument document) : document_(std::move(document)) {}

    // A missing file, section or key reads as the default. A text is cut to
    // kMaxReadLength bytes, never inside a character.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // Decimal, or hexadecimal after "0x" or "0X"; anything else, and a number
    // beyond 32 bits, reads as the default.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // An integer, any non-zero value meaning true.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

  private:
    IniDocument document_;
};

}  // namespace settings
