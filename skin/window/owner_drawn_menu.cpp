#include "skin/window/owner_drawn_menu.h"

#include "skin/menu_separators.h"
#include "ui/wide_text.h"

namespace skin::window {
namespace {

constexpr UINT kTextLength = 256;

}  // namespace

OwnerDrawnMenu::OwnerDrawnMenu(HMENU menu) : menu_(menu) {
    const int count = GetMenuItemCount(menu);
    if (count <= 0)
        return;
    items_.reserve(static_cast<size_t>(count));
    std::vector<MenuEntry> kinds;
    std::vector<UINT> positions;
    for (int i = 0; i < count; ++i) {
        wchar_t text[kTextLength + 1] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_DATA | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = kTextLength;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info) ||
            (info.fType & MFT_OWNERDRAW))
            continue;
        Saved saved;
        const bool separator = (info.fType & MFT_SEPARATOR) != 0;
        saved.entry.Text = separator ? MenuItemText{"-", ""} : SplitMenuText(Narrow(text));
        saved.entry.Default = (info.fState & MFS_DEFAULT) != 0;
        saved.type = info.fType;
        saved.data = info.dwItemData;
        items_.push_back(std::move(saved));
        kinds.push_back({separator, true});
        positions.push_back(static_cast<UINT>(i));
        if (info.hSubMenu)
            subMenus_.push_back(std::make_unique<OwnerDrawnMenu>(info.hSubMenu));
    }
    const std::vector<bool> visible = SeparatorVisibility(kinds);
    for (size_t i = 0; i < items_.size(); ++i) {
        items_[i].entry.Hidden = !visible[i];
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_DATA;
        info.fType = (items_[i].type & MFT_SEPARATOR) | MFT_OWNERDRAW;
        info.dwItemData = reinterpret_cast<ULONG_PTR>(&items_[i]);
        SetMenuItemInfoW(menu, positions[i], TRUE, &info);
    }
}

OwnerDrawnMenu::~OwnerDrawnMenu() {
    // By item data rather than position: an item the program changed while
    // the menu was open is its own again already.
    const int count = GetMenuItemCount(menu_);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_DATA;
        if (!GetMenuItemInfoW(menu_, static_cast<UINT>(i), TRUE, &info) ||
            !(info.fType & MFT_OWNERDRAW))
            continue;
        const auto* saved = reinterpret_cast<const Saved*>(info.dwItemData);
        if (items_.empty() || saved < items_.data() || saved >= items_.data() + items_.size())
            continue;
        const std::wstring text =
            Widen(saved->entry.Text.Shortcut.empty()
                      ? saved->entry.Text.Caption
                      : saved->entry.Text.Caption + "\t" + saved->entry.Text.Shortcut);
        info.fMask = MIIM_FTYPE | MIIM_DATA | (saved->type & MFT_SEPARATOR ? 0 : MIIM_STRING);
        info.fType = saved->type;
        info.dwItemData = saved->data;
        info.dwTypeData = const_cast<wchar_t*>(text.c_str());
        SetMenuItemInfoW(menu_, static_cast<UINT>(i), TRUE, &info);
    }
}

const OwnerDrawnEntry* OwnerDrawnMenu::Find(ULONG_PTR itemData) const {
    const auto* saved = reinterpret_cast<const Saved*>(itemData);
    if (!items_.empty() && saved >= items_.data() && saved < items_.data() + items_.size())
        return &saved->entry;
    for (const auto& sub : subMenus_) {
        if (const OwnerDrawnEntry* entry = sub->Find(itemData))
            return entry;
    }
    return nullptr;
}

}  // namespace skin::window
