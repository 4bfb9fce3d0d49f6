// The separators a drop-down menu shows: none at either end and never two
// in a row, counting only the items that are visible.
#pragma once

#include <span>
#include <vector>

namespace skin {

struct MenuEntry {
    bool Separator = false;
    bool Visible = true;
};

// Whether each entry is visible: other items keep their visibility; a
// separator shows only between two visible items, the first of a run of
// separators there.
std::vector<bool> SeparatorVisibility(std::span<const MenuEntry> entries);

}  // namespace skin
