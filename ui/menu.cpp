#include "ui/menu.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/wide_text.h"

namespace ui {

TMenuItem::TMenuItem(TComponent& owner) : TComponent(&owner), command_(AllocateCommand(*this)) {}

TMenuItem::~TMenuItem() {
    // Take the entries out of the system menus without destroying them, so
    // that each sub-menu is destroyed once, by the item that made it, in
    // whatever order the items go.
    for (TMenuItem* child : items_) {
        RemoveMenu(Handle(), child->command_, MF_BYCOMMAND);
        child->parent_ = nullptr;
        child->SetMenu(nullptr);
    }
    if (parent_) {
        RemoveMenu(parent_->Handle(), command_, MF_BYCOMMAND);
        std::erase(parent_->items_, this);
    }
    ReleaseCommand(command_);
}

void TMenuItem::SetMenu(TMenu* menu) {
    menu_ = menu;
    for (TMenuItem* child : items_)
        child->SetMenu(menu);
}

void TMenuItem::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    Changed();
}

void TMenuItem::SetChecked(bool checked) {
    checked_ = checked;
    Changed();
}

void TMenuItem::SetDefault(bool value) {
    default_ = value;
    Changed();
}

void TMenuItem::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Changed();
}

void TMenuItem::Click() {
    if (enabled_ && OnClick)
        OnClick(*this);
}

void TMenuItem::Add(TMenuItem* item) {
    const bool first = items_.empty();
    if (first && !rootHandle_)
        handle_.reset(CreatePopupMenu());
    item->parent_ = this;
    item->SetMenu(menu_);
    items_.push_back(item);
    MENUITEMINFOW mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_ID;
    mii.wID = item->command_;
    InsertMenuItemW(Handle(), static_cast<UINT>(items_.size() - 1), TRUE, &mii);
    item->UpdateEntry();
    if (first)
        UpdateEntry();
    Changed();
}

void TMenuItem::UpdateEntry() {
    if (!parent_)
        return;
    const std::wstring text = Widen(caption_);
    MENUITEMINFOW mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
    mii.fType = IsLine() ? MFT_SEPARATOR : MFT_STRING;
    mii.fState =
        (checked_ ? MFS_CHECKED : 0) | (default_ ? MFS_DEFAULT : 0) | (enabled_ ? 0 : MFS_DISABLED);
    mii.dwTypeData = const_cast<wchar_t*>(text.c_str());
    mii.hSubMenu = handle_.get();
    SetMenuItemInfoW(parent_->Handle(), command_, FALSE, &mii);
}

void TMenuItem::Changed() {
    UpdateEntry();
    if (menu_)
        menu_->Changed(*this);
}

bool TMenuItem::GetProperty(std::string_view name, PropertyValue& value) const {
    if (SameName(name, "Caption")) {
        value = caption_;
    } else if (SameName(name, "Checked")) {
        value = checked_;
    } else if (SameName(name, "Default")) {
        value = default_;
    } else if (SameName(name, "Enabled")) {
        value = enabled_;
    } else {
        return TComponent::GetProperty(name, value);
    }
    return true;
}

bool TMenuItem::SetProperty(std::string_view name, const PropertyValue& value) {
    std::string text;
    bool flag = false;
    if (SameName(name, "Caption") && Extract(value, text)) {
        SetCaption(text);
    } else if (SameName(name, "Checked") && Extract(value, flag)) {
        SetChecked(flag);
    } else if (SameName(name, "Default") && Extract(value, flag)) {
        SetDefault(flag);
    } else if (SameName(name, "Enabled") && Extract(value, flag)) {
        SetEnabled(flag);
    } else {
        return TComponent::SetProperty(name, value);
    }
    return true;
}

TMenu::TMenu(TComponent& owner, HMENU handle)
    : TComponent(&owner), Items(Make<TMenuItem>(*this)), handle_(handle) {
    Items->rootHandle_ = handle;
    Items->menu_ = this;
}

void TMenu::Changed(const TMenuItem& item) {
    if (WindowHandle) {
        // The bar is measured and laid out again on every redraw (a new frame
        // for the window), so only a change to what it shows redraws it. A
        // menu shown elsewhere (a skinned frame's band) is not the system's
        // to redraw: that would repaint the whole frame.
        if (item.OnMenuBar() && GetMenu(WindowHandle) == Handle())
            DrawMenuBar(WindowHandle);
        if (TControl* form = TControl::FromHandle(WindowHandle))
            form->Perform(CM_MENUCHANGED);
    }
}

TMenu::~TMenu() {
    FreeOwnedComponents();
}

TMainMenu::TMainMenu(TComponent& owner) : TMenu(owner, CreateMenu()) {}

TPopupMenu::TPopupMenu(TComponent& owner) : TMenu(owner, CreatePopupMenu()) {}

void TPopupMenu::Popup(int x, int y) {
    TrackPopupMenuEx(Handle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, Application().Handle(),
                     nullptr);
}

}  // namespace ui
