// The skinned system menu while it is open: an owner-drawn copy of the
// window's system menu whose items the composition code measures and draws.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "skin/system_menu_items.h"
#include "ui/win_handle.h"

namespace skin::window {

// The items of a system menu, as the system gives them.
std::vector<SystemMenuItem> ReadSystemMenu(HMENU systemMenu);

struct SystemMenuSession {
    // Item i of `items` has the command number i + 1 in the menu.
    explicit SystemMenuSession(std::vector<SkinnedMenuItem> skinnedItems);

    // The item an owner-drawn message is about, or none for another menu's.
    const SkinnedMenuItem* ItemOf(ULONG_PTR itemData) const;
    // The command the chosen number posts.
    uint32_t TagOf(UINT chosen) const;

    std::vector<SkinnedMenuItem> items;
    ui::OwnedMenu menu;
    // The menu window's background, made for its size on its first item.
    Bitmap background;
};

}  // namespace skin::window
