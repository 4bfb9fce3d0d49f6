// Which owner-drawn menu items a skinned frame measures and draws itself,
// and which of its form's menus it makes owner-drawn.
#pragma once

#include <cstdint>

#include "skin/skin_data_types.h"

namespace skin {

enum class MenuItemRoute {
    // The window had no menu at start: the message goes on.
    NotOurs,
    // An item of the form's main menu, found by its command: measured as a
    // menu-bar item and drawn in the skin.
    FormItem,
    // A command of the program's that the form does not know: the window's
    // own procedure draws it.
    PreviousProcedure,
    // The system's own commands (4096 and above) and items without one:
    // measured and drawn from the system's text.
    SystemItem,
};

// The way of a WM_MEASUREITEM or WM_DRAWITEM for a menu item.
MenuItemRoute RouteMenuItem(bool hadMenuAtStart, bool foundInForm, uint32_t command);

// Whether a pop-up menu of the form is drawn in the skin: pop-up menus are
// skinned and the menu's Tag is not the skin data's DisableTag.
bool SkinsPopupMenu(TSkinControls controls, int menuTag, int disableTag);

}  // namespace skin
