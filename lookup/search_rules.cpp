#include "lookup/search_rules.h"

#include "text/text_rules.h"

namespace lookup {

std::string ResultCountText(int count) {
    return "查询结果：" + std::to_string(count) + " 条成语符合";
}

std::string KeywordButtonCaption(std::string_view boxText) {
    return boxText.empty() ? "浏览全部" : "查询";
}

store::Statement KeywordSearch(std::string_view boxText) {
    return store::KeywordStatement(text::Trim(boxText));
}

std::optional<store::Statement> InitialsSearch(std::string_view boxText) {
    const std::string initials = text::Trim(boxText);
    if (initials.empty())
        return std::nullopt;
    return store::InitialsStatement(initials);
}

}  // namespace lookup
