#include "dictionary_order.h"

#include <cstdio>
#include <map>
#include <vector>

#include "text/utf8.h"

namespace {

struct Syllable {
    std::string letters;  // toneless, ü written as v
    int tone = 5;
};

std::vector<Syllable> Syllables(std::string_view pinyin) {
    static const std::map<char32_t, std::pair<char, int>> kMarked = {
        {U'ā', {'a', 1}}, {U'á', {'a', 2}}, {U'ǎ', {'a', 3}}, {U'à', {'a', 4}}, {U'ē', {'e', 1}},
        {U'é', {'e', 2}}, {U'ě', {'e', 3}}, {U'è', {'e', 4}}, {U'ī', {'i', 1}}, {U'í', {'i', 2}},
        {U'ǐ', {'i', 3}}, {U'ì', {'i', 4}}, {U'ō', {'o', 1}}, {U'ó', {'o', 2}}, {U'ǒ', {'o', 3}},
        {U'ò', {'o', 4}}, {U'ū', {'u', 1}}, {U'ú', {'u', 2}}, {U'ǔ', {'u', 3}}, {U'ù', {'u', 4}},
        {U'ǖ', {'v', 1}}, {U'ǘ', {'v', 2}}, {U'ǚ', {'v', 3}}, {U'ǜ', {'v', 4}}, {U'ü', {'v', 5}},
        {U'ń', {'n', 2}}, {U'ň', {'n', 3}}, {U'ǹ', {'n', 4}}, {U'ḿ', {'m', 2}}};
    std::vector<Syllable> out;
    Syllable current;
    const auto flush = [&] {
        if (!current.letters.empty())
            out.push_back(current);
        current = {};
    };
    for (size_t pos = 0; pos < pinyin.size();) {
        const char32_t cp = text::utf8::Next(pinyin, pos);
        if (cp >= 'a' && cp <= 'z') {
            current.letters += static_cast<char>(cp);
        } else if (cp >= 'A' && cp <= 'Z') {
            current.letters += static_cast<char>(cp - 'A' + 'a');
        } else if (const auto it = kMarked.find(cp); it != kMarked.end()) {
            current.letters += it->second.first;
            if (it->second.second != 5)
                current.tone = it->second.second;
        } else {
            flush();
        }
    }
    flush();
    return out;
}

bool IsIdeograph(char32_t cp) {
    return (cp >= 0x3400 && cp <= 0x9FFF) || (cp >= 0xF900 && cp <= 0xFAFF) || cp >= 0x20000;
}

}  // namespace

std::string DictionaryKey(std::string_view word, std::string_view pinyin) {
    const std::vector<Syllable> syllables = Syllables(pinyin);
    std::string key;
    size_t next = 0;
    for (size_t pos = 0; pos < word.size();) {
        const char32_t cp = text::utf8::Next(word, pos);
        if (!IsIdeograph(cp))
            continue;
        // Fixed-width fields: "zhuang" is the longest syllable, a space sorts
        // before every letter, and a missing reading sorts after every one.
        char field[16];
        if (next < syllables.size()) {
            const Syllable& s = syllables[next++];
            std::snprintf(field, sizeof field, "%-6.6s%d%06X", s.letters.c_str(), s.tone,
                          static_cast<unsigned>(cp));
        } else {
            std::snprintf(field, sizeof field, "~~~~~~9%06X", static_cast<unsigned>(cp));
        }
        key += field;
    }
    key += '\x01';
    key += word;
    return key;
}
