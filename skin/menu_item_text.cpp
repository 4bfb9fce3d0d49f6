#include "skin/menu_item_text.h"

namespace skin {

MenuItemText SplitMenuText(std::string_view text) {
    if (text.empty())
        return {"-", {}};
    const size_t tab = text.find('\t');
    if (tab == std::string_view::npos)
        return {std::string(text), {}};
    return {std::string(text.substr(0, tab)), std::string(text.substr(tab + 1))};
}

}  // namespace skin
