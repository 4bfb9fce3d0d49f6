#include "store/statements.h"

namespace store {
namespace {

// rowid leads every statement so that a record set can write its current row
// back; the fields follow as "select *" gives them.
constexpr std::string_view kSelect = "select rowid, * from ChenYu where ";
// Idiom order. The database keeps its rows in the order of a Chinese
// dictionary, fixed when it is built (tools/dictionary_order.h), so reading
// them in row order is reading them sorted by idiom.
constexpr std::string_view kOrder = " order by rowid";

// The ordered statements are the lists: they read many rows.
Statement Make(std::string_view condition, std::string parameter, bool ordered) {
    Statement s;
    s.sql = std::string(kSelect) + std::string(condition) + (ordered ? std::string(kOrder) : "");
    s.parameters.push_back(std::move(parameter));
    s.readsManyRows = ordered;
    return s;
}

// A pattern that matches the text anywhere.
std::string Anywhere(std::string_view text) {
    std::string pattern = "%";
    pattern += EscapeLikePattern(text);
    pattern += '%';
    return pattern;
}

}  // namespace

std::string EscapeLikePattern(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '%' || c == '_' || c == '\\')
            out += '\\';
        out += c;
    }
    return out;
}

Statement BrowseLetterStatement(char letter) {
    return Make("SPingYin like ? escape '\\'", std::string(1, letter) + "___", true);
}

Statement KeywordStatement(std::string_view keyword) {
    return Make("ChengYu like ? escape '\\'", Anywhere(keyword), true);
}

Statement InitialsStatement(std::string_view initials) {
    return Make("SPingYin like ? escape '\\'", Anywhere(initials), true);
}

Statement ExactIdiomStatement(std::string_view idiom) {
    return Make("ChengYu = ?", std::string(idiom), false);
}

}  // namespace store
