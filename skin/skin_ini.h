// The skin definition's INI text: a fast, read-only reader that keeps the
// meaningful lines and an index of the section headers among them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace skin {

class TSkinIni {
  public:
    // Builds the lists from the text, which ends at its end or at a NUL.
    void LoadFromStream(std::string_view text);

    // The trimmed text after the first "=" of the first line in the section
    // whose key is `key` (case-insensitive); `def` when the section, the key
    // or a value is missing. A later line with the same key is never seen,
    // even when the first one is empty.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view def) const;

    // The value as a decimal or "$"-hexadecimal integer ("0x" stands for
    // "$" in values longer than two characters); `def` for anything else.
    int ReadInteger(std::string_view section, std::string_view key, int def) const;

    // The section names without brackets, trimmed, in file order.
    std::vector<std::string> ReadSections() const;

    // The index in Lines() of the header "[" + name + "]", compared without
    // regard to letter case; -1 when there is none.
    int FindSection(std::string_view name) const;

    // The kept lines: trimmed, not empty, not comments (";"), in file order.
    const std::vector<std::string>& Lines() const { return lines_; }

  private:
    struct Section {
        std::string header;  // as written, brackets included
        int line = 0;
    };

    std::vector<std::string> lines_;
    std::vector<Section> sections_;
};

// Whether the text reads as an integer the way definition values are
// written: an optional sign, then decimal digits within 32 bits or "$" and
// up to eight hexadecimal digits (taken as 32 bits, so "$FFFFFFFF" is -1).
bool ParseDefinitionInteger(std::string_view text, int& value);

}  // namespace skin
