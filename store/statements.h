// Every statement the program runs on the idiom store. User text never
// becomes part of the SQL: it is bound as a parameter, and inside a "like"
// pattern its "%", "_" and "\" are escaped, so it matches only itself.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace store {

struct Statement {
    std::string sql;
    std::vector<std::string> parameters;
    // Reads rows from all over the file, which is then read through a
    // memory map; a statement that finds one row reads a few pages, for
    // which setting a map up and taking it down again costs more.
    bool readsManyRows = false;
};

// Idioms whose initials are exactly four letters beginning with `letter`,
// in idiom order.
Statement BrowseLetterStatement(char letter);

// Idioms that contain `keyword` anywhere, in idiom order; an empty keyword
// matches every idiom.
Statement KeywordStatement(std::string_view keyword);

// Idioms whose initials contain `initials` anywhere, in idiom order. Letter
// case does not matter.
Statement InitialsStatement(std::string_view initials);

// The idiom whose text is exactly `idiom`.
Statement ExactIdiomStatement(std::string_view idiom);

// "%", "_" and the escape character "\" of a like pattern, escaped.
std::string EscapeLikePattern(std::string_view text);

}  // namespace store
