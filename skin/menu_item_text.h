// A menu item's text as the system keeps it: the caption, "&" marking its
// accelerator, then a tab and the shortcut ("关闭(&C)\tAlt+F4").
#pragma once

#include <string>
#include <string_view>

namespace skin {

struct MenuItemText {
    std::string Caption;  // "-" for a separator
    std::string Shortcut;

    bool operator==(const MenuItemText&) const = default;

    bool IsSeparator() const { return Caption == "-"; }
};

// The caption before the first tab and the shortcut after it. An empty text
// is a separator.
MenuItemText SplitMenuText(std::string_view text);

}  // namespace skin
