// The skinned menu bar: the window's menu taken out of the window and shown
// as a band of buttons inside the skinned frame, one per top-level item.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "skin/menu_bar_band.h"
#include "skin/skin_definition.h"
#include "ui/menu.h"

namespace skin::window {

class TSkinMenuBar {
  public:
    // `source`: the form's main menu, whose items give the captions and
    // enabled states; none for a window without a form object.
    TSkinMenuBar(HWND window, const ui::TMainMenu* source);

    // Makes the buttons from the window's menu (the one taken out before
    // when the window has none now) and takes the menu out of the window, so
    // that only the band shows.
    // At a frame's start the menu leaves the window with the resize to the
    // skinned frame (one frame change instead of two): Later.
    enum class MenuRemoval { Now, Later };
    void Rebuild(MenuRemoval removal = MenuRemoval::Now);
    // The menu the band shows.
    HMENU MenuHandle() const { return menu_; }

    std::vector<TMenuBarButton>& Buttons() { return buttons_; }
    // The button's drop-down menu (none for an item that is a command) and
    // its command number: none for a drop-down that is not one of the
    // form's own items, as the system sends no command for one either.
    HMENU SubMenu(const TMenuBarButton& button) const;
    std::optional<UINT> Command(const TMenuBarButton& button) const;

    // Paints the band into the window's picture and lays the buttons out;
    // keeps the band's background for repainting single buttons.
    void PaintBand(Bitmap& window, const MenuBand& band, const SkinDefinition& skin,
                   TextPainter& menuFont, const SystemLook& look);
    // One button after a change of its state, into the window's picture.
    void PaintButton(Bitmap& window, const TMenuBarButton& button, const SkinDefinition& skin,
                     TextPainter& menuFont, const SystemLook& look) const;

  private:
    struct Item {
        HMENU subMenu = nullptr;
        std::optional<UINT> command;
    };
    size_t IndexOf(const TMenuBarButton& button) const;

    HWND window_;
    const ui::TMainMenu* source_;
    HMENU menu_ = nullptr;
    std::vector<TMenuBarButton> buttons_;
    std::vector<Item> items_;
    Rect band_;
    Bitmap bandPicture_;
};

}  // namespace skin::window
