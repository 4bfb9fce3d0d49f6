#include "skin/window/skin_menu_bar.h"

#include <string>

#include "ui/wide_text.h"

namespace skin::window {
namespace {

constexpr int kTextLength = 80;

const ui::TMenuItem* FindByCommand(const ui::TMenuItem& parent, UINT command) {
    for (const ui::TMenuItem* item : parent.Items()) {
        if (item->Command() == command)
            return item;
    }
    return nullptr;
}

}  // namespace

TSkinMenuBar::TSkinMenuBar(HWND window, const ui::TMainMenu* source)
    : window_(window), source_(source) {}

void TSkinMenuBar::Rebuild(MenuRemoval removal) {
    if (HMENU current = GetMenu(window_))
        menu_ = current;
    if (!menu_)
        return;
    buttons_.clear();
    items_.clear();
    const int count = GetMenuItemCount(menu_);
    for (int i = 0; i < count; ++i) {
        wchar_t text[kTextLength + 1] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = kTextLength;
        if (!GetMenuItemInfoW(menu_, static_cast<UINT>(i), TRUE, &info))
            continue;
        TMenuBarButton button;
        button.Caption = Narrow(text);
        button.Enabled = !(info.fState & (MFS_DISABLED | MFS_GRAYED));
        Item item{info.hSubMenu, info.wID};
        const ui::TMenuItem* source = source_ ? FindByCommand(*source_->Items, info.wID) : nullptr;
        if (source) {
            button.Caption = source->Caption();
            button.Enabled = source->Enabled();
            item.subMenu = source->Items().empty() ? nullptr : source->Handle();
        } else if (info.hSubMenu) {
            // The number the system keeps for an item that opens a menu made
            // with AppendMenu is that menu's handle: posted as a command, its
            // low word could run any command of the window.
            item.command.reset();
        }
        buttons_.push_back(std::move(button));
        items_.push_back(item);
    }
    if (removal == MenuRemoval::Now)
        SetMenu(window_, nullptr);
}

size_t TSkinMenuBar::IndexOf(const TMenuBarButton& button) const {
    return static_cast<size_t>(&button - buttons_.data());
}

HMENU TSkinMenuBar::SubMenu(const TMenuBarButton& button) const {
    return items_.at(IndexOf(button)).subMenu;
}

std::optional<UINT> TSkinMenuBar::Command(const TMenuBarButton& button) const {
    return items_.at(IndexOf(button)).command;
}

void TSkinMenuBar::PaintBand(Bitmap& window, const MenuBand& band, const SkinDefinition& skin,
                             TextPainter& menuFont, const SystemLook& look) {
    band_ = band.Place;
    bandPicture_ = PaintMenuBand(window, band, skin, buttons_, {}, menuFont, look);
}

void TSkinMenuBar::PaintButton(Bitmap& window, const TMenuBarButton& button,
                               const SkinDefinition& skin, TextPainter& menuFont,
                               const SystemLook& look) const {
    if (!bandPicture_.Empty())
        PaintMenuBarButton(window, bandPicture_, band_, button, skin, menuFont, look);
}

}  // namespace skin::window
