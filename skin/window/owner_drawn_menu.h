// A menu while it is open in the skin: its items are owner-drawn, each
// carrying its own text, so that the frame measures and draws them with the
// composition code; when the menu closes they get their types and texts
// back. The superfluous separators are measured as nothing, so they do not
// show.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "skin/menu_item_text.h"

namespace skin::window {

struct OwnerDrawnEntry {
    MenuItemText Text;
    // The menu's default item, measured in bold.
    bool Default = false;
    // A leading, trailing or doubled separator.
    bool Hidden = false;
};

class OwnerDrawnMenu {
  public:
    // Makes the items of `menu` and of its sub-menus owner-drawn.
    explicit OwnerDrawnMenu(HMENU menu);
    ~OwnerDrawnMenu();
    OwnerDrawnMenu(const OwnerDrawnMenu&) = delete;
    OwnerDrawnMenu& operator=(const OwnerDrawnMenu&) = delete;

    HMENU Handle() const { return menu_; }
    // The entry an owner-drawn message's item data names, in this menu or
    // one of its sub-menus; none for another menu's item.
    const OwnerDrawnEntry* Find(ULONG_PTR itemData) const;

  private:
    struct Saved {
        OwnerDrawnEntry entry;
        UINT type = 0;
        ULONG_PTR data = 0;
    };

    HMENU menu_;
    // Never resized once made: the items' data point into it.
    std::vector<Saved> items_;
    std::vector<std::unique_ptr<OwnerDrawnMenu>> subMenus_;
};

}  // namespace skin::window
