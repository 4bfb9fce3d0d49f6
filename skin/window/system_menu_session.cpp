#include "skin/window/system_menu_session.h"

#include "ui/wide_text.h"

namespace skin::window {

std::vector<SystemMenuItem> ReadSystemMenu(HMENU systemMenu) {
    std::vector<SystemMenuItem> items;
    const int count = GetMenuItemCount(systemMenu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[128] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 127;
        if (!GetMenuItemInfoW(systemMenu, static_cast<UINT>(i), TRUE, &info))
            continue;
        SystemMenuItem item;
        if (!(info.fType & MFT_SEPARATOR))
            item.Text = Narrow(text);
        item.Command = info.wID;
        item.Grayed = (info.fState & MFS_GRAYED) != 0;
        item.Checked = (info.fState & MFS_CHECKED) != 0;
        items.push_back(std::move(item));
    }
    return items;
}

SystemMenuSession::SystemMenuSession(std::vector<SkinnedMenuItem> skinnedItems)
    : items(std::move(skinnedItems)), menu(CreatePopupMenu()) {
    for (size_t i = 0; i < items.size(); ++i) {
        const SkinnedMenuItem& item = items[i];
        UINT flags = MF_OWNERDRAW;
        if (item.Caption == "-")
            flags |= MF_SEPARATOR;
        if (!item.Enabled)
            flags |= MF_GRAYED;
        if (item.Checked)
            flags |= MF_CHECKED;
        AppendMenuW(menu.get(), flags, i + 1, reinterpret_cast<LPCWSTR>(&item));
    }
}

const SkinnedMenuItem* SystemMenuSession::ItemOf(ULONG_PTR itemData) const {
    for (const SkinnedMenuItem& item : items) {
        if (reinterpret_cast<ULONG_PTR>(&item) == itemData)
            return &item;
    }
    return nullptr;
}

uint32_t SystemMenuSession::TagOf(UINT chosen) const {
    return chosen >= 1 && chosen <= items.size() ? items[chosen - 1].Tag : 0;
}

}  // namespace skin::window
