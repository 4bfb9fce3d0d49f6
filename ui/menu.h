// Menus: a main menu shown as a window's menu bar, and pop-up menus opened at
// a point. Each item is an object with its caption, check mark, default mark
// and click handler, kept in step with the system menu that shows it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/command.h"
#include "ui/component.h"
#include "ui/control.h"
#include "ui/win_handle.h"

namespace ui {

class TMenu;

class TMenuItem : public TComponent, public TCommandTarget {
  public:
    explicit TMenuItem(TComponent& owner);
    ~TMenuItem() override;
    std::string ClassName() const override { return "TMenuItem"; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    // A caption of "-" makes the item a separator line.
    bool IsLine() const { return caption_ == "-"; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    // The default item of a menu is shown in bold and chosen by a double click.
    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    TNotifyEvent OnClick;
    void Click() override;
    uint16_t Command() const { return command_; }

    // Appends a sub-item; the item then opens a menu of its own.
    void Add(TMenuItem* item);
    const std::vector<TMenuItem*>& Items() const { return items_; }
    TMenuItem* Parent() const { return parent_; }
    // The menu this item's sub-items stand in (null while it has none).
    HMENU Handle() const { return handle_.get() ? handle_.get() : rootHandle_; }

    bool GetProperty(std::string_view name, PropertyValue& value) const override;
    bool SetProperty(std::string_view name, const PropertyValue& value) override;

  private:
    friend class TMenu;
    void UpdateEntry();
    void Changed();
    // The root item and its entries: what a menu bar shows.
    bool OnMenuBar() const { return rootHandle_ || (parent_ && parent_->rootHandle_); }
    void SetMenu(TMenu* menu);

    std::string caption_;
    bool checked_ = false;
    bool default_ = false;
    bool enabled_ = true;
    uint16_t command_;
    TMenuItem* parent_ = nullptr;
    std::vector<TMenuItem*> items_;
    OwnedMenu handle_;
    HMENU rootHandle_ = nullptr;  // the menu's own handle, for its root item
    TMenu* menu_ = nullptr;
};

class TMenu : public TComponent {
  public:
    // Items: the root item, whose sub-items are the menu's entries.
    TMenuItem* const Items;
    HMENU Handle() const { return handle_.get(); }
    // The window whose menu bar shows this menu (main menus only).
    HWND WindowHandle = nullptr;

  protected:
    TMenu(TComponent& owner, HMENU handle);
    ~TMenu() override;

  private:
    friend class TMenuItem;
    void Changed(const TMenuItem& item);
    OwnedMenu handle_;
};

class TMainMenu : public TMenu {
  public:
    explicit TMainMenu(TComponent& owner);
    std::string ClassName() const override { return "TMainMenu"; }
};

class TPopupMenu : public TMenu {
  public:
    explicit TPopupMenu(TComponent& owner);
    std::string ClassName() const override { return "TPopupMenu"; }

    // Opened by a right click on a control that names it (automatic pop-up).
    bool AutoPopup = true;
    // The control or component (a tray icon) the menu was last opened for.
    TComponent* PopupComponent = nullptr;

    // Shows the menu at a screen point; returns when it closes. The chosen
    // item's click arrives through the application's window afterwards.
    void Popup(int x, int y);
};

}  // namespace ui
