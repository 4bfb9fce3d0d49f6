// A drop-down menu of the skinned menu bar while it is open: what the
// message-filter hook makes of the messages the menu's loop sees. Sliding
// the pointer along the bar, or pressing an arrow key past the edge of the
// menu, opens the neighbouring button's menu; the window half carries the
// answers out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "skin/geometry.h"
#include "skin/menu_bar_band.h"

namespace skin {

enum class MenuLoopMessage { KeyDown, SysKeyDown, MenuSelect, MouseMove, Other };

// One message of the menu's loop (MSGF_MENU), as plain facts.
struct MenuLoopFacts {
    MenuLoopMessage Kind = MenuLoopMessage::Other;
    // KeyDown and SysKeyDown: the virtual key, after MenuKeyFor.
    uint32_t Key = 0;
    // MenuSelect: the menu closed (0xFFFF and no menu); else whether the
    // item lies in the open button's drop-down itself rather than in one of
    // its sub-menus, and whether it opens a sub-menu.
    bool Closed = false;
    bool InDropDown = false;
    bool OpensSubMenu = false;
    // MouseMove: the pointer, in window coordinates.
    Point Pointer;
};

struct MenuLoopAnswer {
    // The frame's menu-open flag goes off.
    bool ClearMenuOpen = false;
    // Open this button's menu instead: post WM_NCLBUTTONDOWN to the window
    // at ClickAt (window coordinates), which closes the open menu.
    std::optional<size_t> SwitchTo;
    Point ClickAt;

    bool operator==(const MenuLoopAnswer&) const = default;
};

// Left and right exchanged in a right-to-left menu, before anything else
// sees the key.
uint32_t MenuKeyFor(uint32_t key, bool rightToLeft);

class MenuBarTracking {
  public:
    // The menu of button `button` opens with the pointer at `pointer`
    // (window coordinates).
    void Open(size_t button, Point pointer);
    void Close();

    std::optional<size_t> OpenButton() const { return open_; }
    // Another button's menu is being opened.
    bool Switching() const { return switching_; }

    // Left moves to the previous button while the selection is in the
    // drop-down itself (or there is none), right to the next while the
    // selected item opens no sub-menu, both wrapping around and skipping
    // buttons not on the bar; the pointer moving onto another button moves
    // to it. Return and Escape end a switch; Alt pressed, or the menu closed
    // other than by a switch, clears the menu-open flag.
    MenuLoopAnswer Filter(const MenuLoopFacts& message, std::span<const TMenuBarButton> buttons);

  private:
    MenuLoopAnswer SwitchTo(std::optional<size_t> button, std::span<const TMenuBarButton> buttons);

    std::optional<size_t> open_;
    // The button a switch was posted for, so a second is not posted.
    std::optional<size_t> pending_;
    bool switching_ = false;
    // The last WM_MENUSELECT's item, if any.
    bool selection_ = false;
    bool selectionInDropDown_ = false;
    bool selectionOpensSubMenu_ = false;
    Point pointer_;
};

}  // namespace skin
