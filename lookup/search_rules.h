// The rules of the keyword and initial-letter searches that need no window.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "store/statements.h"

namespace lookup {

// "查询结果：" + count + " 条成语符合".
std::string ResultCountText(int count);

// The keyword button reads "查询" while the box holds any text (a lone space
// counts) and "浏览全部" while it is empty.
std::string KeywordButtonCaption(std::string_view boxText);

// The statement of a keyword search: the box's text trimmed; an empty keyword
// lists every idiom.
store::Statement KeywordSearch(std::string_view boxText);

// The statement of an initials search, or nothing when the trimmed text is
// empty (the search is refused then).
std::optional<store::Statement> InitialsSearch(std::string_view boxText);

}  // namespace lookup
