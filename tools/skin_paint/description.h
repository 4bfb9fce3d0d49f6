// The text a skin is painted from: "[section]" headers and "key = value"
// lines, "#" starting a comment line. A key missing from a section is looked
// up in the section its "like" key names, else in the section whose name is
// this one's up to the last dot: "[capclose.hot]" falls back to
// "[capclose]", which may say "like = capbutton". So a state only lists what
// differs from the normal look.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "colour.h"

namespace paint {

// Says what is wrong and on which line.
class DescriptionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A colour laid over what lies below with the given opacity (0 to 1).
struct Tint {
    Colour colour;
    float alpha = 1;
};

class Description {
  public:
    static Description Parse(std::string_view text);

    bool HasSection(std::string_view section) const { return sections_.contains(section); }
    bool Has(std::string_view section, std::string_view key) const;

    std::string Text(std::string_view section, std::string_view key) const;
    int Int(std::string_view section, std::string_view key) const;
    int Int(std::string_view section, std::string_view key, int fallback) const;
    // Exactly `count` whole numbers separated by spaces.
    std::vector<int> Ints(std::string_view section, std::string_view key, size_t count) const;
    // "#rrggbb".
    Colour ColourOf(std::string_view section, std::string_view key) const;
    // Absent or "none": nothing.
    std::optional<Colour> OptionalColour(std::string_view section, std::string_view key) const;
    // Colours spread evenly, or placed with "@percent": "#102040 #3060a0@30 #204080".
    Gradient GradientOf(std::string_view section, std::string_view key) const;
    std::optional<Gradient> OptionalGradient(std::string_view section, std::string_view key) const;
    // "#rrggbb percent": absent or "none" gives nothing.
    std::optional<Tint> OptionalTint(std::string_view section, std::string_view key) const;
    // The value's words, split at spaces.
    std::vector<std::string> List(std::string_view section, std::string_view key) const;
    // One of `words`; `fallback` when absent.
    std::string Word(std::string_view section, std::string_view key,
                     const std::vector<std::string_view>& words, std::string_view fallback) const;

    // Every key that no lookup has read yet, one "line N: [section] key" each:
    // a misspelt key is found instead of silently painting the default.
    std::vector<std::string> Unread() const;

  private:
    struct Entry {
        std::string value;
        int line = 0;
    };
    struct Section {
        std::map<std::string, Entry, std::less<>> keys;
        int line = 0;
    };

    // The entry that a lookup of `key` in `section` finds, or null.
    const Entry* Find(std::string_view section, std::string_view key) const;
    const Entry& Require(std::string_view section, std::string_view key) const;
    [[noreturn]] static void Fail(const Entry& entry, const std::string& what);

    std::map<std::string, Section, std::less<>> sections_;
    mutable std::set<std::pair<std::string, std::string>> read_;
};

}  // namespace paint
