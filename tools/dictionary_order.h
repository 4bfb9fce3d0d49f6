// The order in which the idiom database keeps its rows: the order of a
// Chinese dictionary. Idioms compare character by character by each idiom's
// own reading: the toneless syllable alphabetically (ü after u), then the
// tone (1 to 4, the neutral tone last), then the character itself (by code
// point, so that idioms with the same head character stand together). An
// idiom that is the start of another comes first; punctuation inside an
// idiom is not compared; identical keys fall back to the idiom's bytes.
#pragma once

#include <string>
#include <string_view>

// A key whose byte order is the dictionary order of the idiom `word`, read
// as `pinyin` (tone marks, syllables separated by spaces or punctuation).
std::string DictionaryKey(std::string_view word, std::string_view pinyin);
