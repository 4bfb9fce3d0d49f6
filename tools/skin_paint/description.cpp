#include "description.h"

#include <algorithm>
#include <charconv>

namespace paint {
namespace {

std::string_view Trim(std::string_view s) {
    const auto begin = s.find_first_not_of(" \t\r");
    if (begin == std::string_view::npos)
        return {};
    return s.substr(begin, s.find_last_not_of(" \t\r") - begin + 1);
}

std::vector<std::string_view> Words(std::string_view s) {
    std::vector<std::string_view> words;
    size_t at = 0;
    while (true) {
        at = s.find_first_not_of(' ', at);
        if (at == std::string_view::npos)
            return words;
        const size_t end = std::min(s.find(' ', at), s.size());
        words.push_back(s.substr(at, end - at));
        at = end;
    }
}

std::optional<int> ParseInt(std::string_view s) {
    int value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc{} || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

std::optional<Colour> ParseColour(std::string_view s) {
    if (s.size() != 7 || s[0] != '#')
        return std::nullopt;
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(s.data() + 1, s.data() + 7, value, 16);
    if (ec != std::errc{} || end != s.data() + 7)
        return std::nullopt;
    return Colour{static_cast<float>(value >> 16), static_cast<float>((value >> 8) & 0xFF),
                  static_cast<float>(value & 0xFF)};
}

std::string Line(int line) {
    return "line " + std::to_string(line) + ": ";
}

// The text in double quotes. (Built by appending: GCC 12 warns wrongly about
// a string literal added in front of a temporary string.)
std::string Quoted(std::string_view s) {
    std::string q = "\"";
    q += s;
    q += '"';
    return q;
}

}  // namespace

Description Description::Parse(std::string_view text) {
    Description d;
    Section* current = nullptr;
    int number = 0;
    for (size_t at = 0; at <= text.size();) {
        const size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = Trim(text.substr(at, end - at));
        at = end + 1;
        ++number;
        if (line.empty() || line[0] == '#')
            continue;
        if (line[0] == '[') {
            if (line.back() != ']' || line.size() < 3) {
                throw DescriptionError(Line(number) + "a section header is \"[name]\"");
            }
            const std::string name(Trim(line.substr(1, line.size() - 2)));
            auto [it, fresh] = d.sections_.try_emplace(name);
            if (!fresh)
                throw DescriptionError(Line(number) + "section [" + name + "] given twice");
            it->second.line = number;
            current = &it->second;
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            throw DescriptionError(Line(number) + "expected \"key = value\"");
        }
        if (!current)
            throw DescriptionError(Line(number) + "a key before the first section");
        const std::string key(Trim(line.substr(0, equals)));
        const std::string value(Trim(line.substr(equals + 1)));
        if (key.empty())
            throw DescriptionError(Line(number) + "a value without a key");
        if (value.empty())
            throw DescriptionError(Line(number) + "key \"" + key + "\" has no value");
        if (!current->keys.try_emplace(key, Entry{value, number}).second) {
            throw DescriptionError(Line(number) + "key \"" + key + "\" given twice");
        }
    }
    // Every "like" must name a section, and the fallbacks must end somewhere.
    for (const auto& [name, section] : d.sections_) {
        std::string_view at = name;
        std::set<std::string_view> seen;
        while (true) {
            if (!seen.insert(at).second) {
                throw DescriptionError(Line(section.line) + "the fallbacks of [" + name +
                                       "] run in a circle");
            }
            const auto it = d.sections_.find(at);
            if (it == d.sections_.end())
                break;
            const auto like = it->second.keys.find("like");
            if (like != it->second.keys.end()) {
                if (!d.sections_.contains(like->second.value)) {
                    Fail(like->second, "no section [" + like->second.value + "] to be like");
                }
                at = like->second.value;
                continue;
            }
            const size_t dot = at.rfind('.');
            if (dot == std::string_view::npos)
                break;
            at = at.substr(0, dot);
        }
    }
    return d;
}

const Description::Entry* Description::Find(std::string_view section, std::string_view key) const {
    std::string_view at = section;
    while (true) {
        const auto it = sections_.find(at);
        if (it != sections_.end()) {
            const auto entry = it->second.keys.find(key);
            if (entry != it->second.keys.end()) {
                read_.emplace(it->first, entry->first);
                return &entry->second;
            }
            const auto like = it->second.keys.find("like");
            if (like != it->second.keys.end()) {
                read_.emplace(it->first, "like");
                at = like->second.value;
                continue;
            }
        }
        const size_t dot = at.rfind('.');
        if (dot == std::string_view::npos)
            return nullptr;
        at = at.substr(0, dot);
    }
}

const Description::Entry& Description::Require(std::string_view section,
                                               std::string_view key) const {
    const Entry* entry = Find(section, key);
    if (!entry) {
        const auto it = sections_.find(section);
        const std::string where = it == sections_.end() ? "" : Line(it->second.line);
        throw DescriptionError(where + "[" + std::string(section) + "] needs \"" +
                               std::string(key) + "\"");
    }
    return *entry;
}

void Description::Fail(const Entry& entry, const std::string& what) {
    throw DescriptionError(Line(entry.line) + what);
}

bool Description::Has(std::string_view section, std::string_view key) const {
    return Find(section, key) != nullptr;
}

std::string Description::Text(std::string_view section, std::string_view key) const {
    return Require(section, key).value;
}

int Description::Int(std::string_view section, std::string_view key) const {
    const Entry& e = Require(section, key);
    const auto value = ParseInt(e.value);
    if (!value)
        Fail(e, Quoted(e.value) + " is not a whole number");
    return *value;
}

int Description::Int(std::string_view section, std::string_view key, int fallback) const {
    return Find(section, key) ? Int(section, key) : fallback;
}

std::vector<int> Description::Ints(std::string_view section, std::string_view key,
                                   size_t count) const {
    const Entry& e = Require(section, key);
    std::vector<int> values;
    for (std::string_view word : Words(e.value)) {
        const auto value = ParseInt(word);
        if (!value)
            Fail(e, Quoted(word) + " is not a whole number");
        values.push_back(*value);
    }
    if (values.size() != count) {
        Fail(e, Quoted(key) + " takes " + std::to_string(count) + " numbers");
    }
    return values;
}

Colour Description::ColourOf(std::string_view section, std::string_view key) const {
    const Entry& e = Require(section, key);
    const auto colour = ParseColour(e.value);
    if (!colour)
        Fail(e, Quoted(e.value) + " is not a colour \"#rrggbb\"");
    return *colour;
}

std::optional<Colour> Description::OptionalColour(std::string_view section,
                                                  std::string_view key) const {
    const Entry* e = Find(section, key);
    if (!e || e->value == "none")
        return std::nullopt;
    return ColourOf(section, key);
}

Gradient Description::GradientOf(std::string_view section, std::string_view key) const {
    const Entry& e = Require(section, key);
    const std::vector<std::string_view> words = Words(e.value);
    std::vector<Gradient::Stop> stops;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string_view word = words[i];
        const size_t at = word.find('@');
        const auto colour = ParseColour(word.substr(0, at));
        if (!colour)
            Fail(e, Quoted(word) + " is not a colour \"#rrggbb\"");
        float position = words.size() == 1 ? 0.0f : static_cast<float>(i) / (words.size() - 1);
        if (at != std::string_view::npos) {
            const auto percent = ParseInt(word.substr(at + 1));
            if (!percent || *percent < 0 || *percent > 100) {
                Fail(e, Quoted(word) + " needs a place from @0 to @100");
            }
            position = *percent / 100.0f;
        }
        if (!stops.empty() && position < stops.back().at) {
            Fail(e, "the colours of a gradient go in order of their places");
        }
        stops.push_back({position, *colour});
    }
    return Gradient(std::move(stops));
}

std::optional<Gradient> Description::OptionalGradient(std::string_view section,
                                                      std::string_view key) const {
    const Entry* e = Find(section, key);
    if (!e || e->value == "none")
        return std::nullopt;
    return GradientOf(section, key);
}

std::optional<Tint> Description::OptionalTint(std::string_view section,
                                              std::string_view key) const {
    const Entry* e = Find(section, key);
    if (!e || e->value == "none")
        return std::nullopt;
    const std::vector<std::string_view> words = Words(e->value);
    const auto colour = words.empty() ? std::nullopt : ParseColour(words[0]);
    const auto percent = words.size() == 2 ? ParseInt(words[1]) : std::nullopt;
    if (!colour || !percent || *percent < 0 || *percent > 100) {
        Fail(*e, Quoted(e->value) + " is not \"#rrggbb percent\"");
    }
    return Tint{*colour, *percent / 100.0f};
}

std::vector<std::string> Description::List(std::string_view section, std::string_view key) const {
    std::vector<std::string> list;
    for (std::string_view word : Words(Require(section, key).value))
        list.emplace_back(word);
    return list;
}

std::string Description::Word(std::string_view section, std::string_view key,
                              const std::vector<std::string_view>& words,
                              std::string_view fallback) const {
    const Entry* e = Find(section, key);
    if (!e)
        return std::string(fallback);
    for (std::string_view w : words) {
        if (e->value == w)
            return e->value;
    }
    std::string list;
    for (std::string_view w : words)
        list += (list.empty() ? "" : ", ") + std::string(w);
    Fail(*e, Quoted(key) + " is one of " + list);
}

std::vector<std::string> Description::Unread() const {
    std::vector<std::pair<int, std::string>> unread;
    for (const auto& [name, section] : sections_) {
        for (const auto& [key, entry] : section.keys) {
            if (!read_.contains({name, key})) {
                unread.emplace_back(entry.line, Line(entry.line) + "[" + name + "] " + key);
            }
        }
    }
    std::sort(unread.begin(), unread.end());
    std::vector<std::string> out;
    for (auto& [line, text] : unread)
        out.push_back(std::move(text));
    return out;
}

}  // namespace paint
