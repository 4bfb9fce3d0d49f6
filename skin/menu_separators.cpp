#include "skin/menu_separators.h"

namespace skin {

std::vector<bool> SeparatorVisibility(std::span<const MenuEntry> entries) {
    const size_t n = entries.size();
    // Whether a visible item follows entry i somewhere below it.
    std::vector<bool> itemAfter(n + 1, false);
    for (size_t i = n; i-- > 0;)
        itemAfter[i] = itemAfter[i + 1] || (!entries[i].Separator && entries[i].Visible);

    std::vector<bool> visible(n);
    bool itemBefore = false;  // a visible item since the last separator shown
    for (size_t i = 0; i < n; ++i) {
        if (!entries[i].Separator) {
            visible[i] = entries[i].Visible;
            itemBefore = itemBefore || entries[i].Visible;
            continue;
        }
        visible[i] = itemBefore && itemAfter[i + 1];
        if (visible[i])
            itemBefore = false;
    }
    return visible;
}

}  // namespace skin
