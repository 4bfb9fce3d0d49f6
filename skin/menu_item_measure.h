// The size of an owner-drawn item of a skinned menu: what the frame answers
// to WM_MEASUREITEM. The texts are measured in the menu font, on the
// system's menu metrics, and the skin's room for its pictures is added.
#pragma once

#include "skin/geometry.h"
#include "skin/menu_item_look.h"

namespace skin {

// The system's menu metrics.
struct MenuMetrics {
    // SM_CYMENU: the height of a menu line, the least height of an item.
    int LineHeight = 0;
    // SM_CXMENUCHECK: the width of a check mark, also the least gap between
    // a caption and its shortcut.
    int CheckWidth = 0;
};

// Whose item is measured; each adds its own room around the texts.
enum class MeasureRule {
    // An item of one of the form's pop-up menus or of the skinned system menu.
    PopupItem,
    // An item of a drop-down menu of the form's menu bar.
    MainMenuItem,
    // An item the form does not know (the system's own commands), measured
    // from the system's text alone.
    SystemItem,
};

// The size the frame answers. The standard size of an item: a separator is
// half a menu line high; any other item is as wide as its texts (the
// default item's in bold) and its image, and at least a menu line high, its
// caption (a space when empty) and 4, and its image and 2. To that come
// MenuItem's LeftWidth (0 without the picture), then 12 for pop-up items
// (23 more without an image list) or 10 for the menu bar's (25 more without
// an image list). A system item is its texts and 26 wide with the
// LeftWidth, and its caption and 4 high, or 8 for a separator.
Size MeasureMenuItem(const MenuItemFacts& item, MeasureRule rule, const MenuItemSources& sources,
                     const MenuMetrics& metrics);

}  // namespace skin
