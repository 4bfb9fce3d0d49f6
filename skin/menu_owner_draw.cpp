#include "skin/menu_owner_draw.h"

namespace skin {
namespace {

// Commands from 1 to this are the program's; the system's start above.
constexpr uint32_t kLastProgramCommand = 4095;

}  // namespace

MenuItemRoute RouteMenuItem(bool hadMenuAtStart, bool foundInForm, uint32_t command) {
    if (!hadMenuAtStart)
        return MenuItemRoute::NotOurs;
    if (foundInForm)
        return MenuItemRoute::FormItem;
    if (command >= 1 && command <= kLastProgramCommand)
        return MenuItemRoute::PreviousProcedure;
    return MenuItemRoute::SystemItem;
}

bool SkinsPopupMenu(TSkinControls controls, int menuTag, int disableTag) {
    return controls.Contains(TSkinControlType::xcPopupMenu) && menuTag != disableTag;
}

}  // namespace skin
