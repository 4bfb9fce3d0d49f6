// The keyboard's way into a skinned frame's menus: WM_SYSCOMMAND with
// SC_KEYMENU (F10, Alt alone, Alt and a letter, Alt and space), the
// dialog-character notification, WM_MENUCHAR in owner-drawn menus, and the
// window commands that arrive as WM_COMMAND.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "skin/menu_bar_band.h"

namespace skin {

// Whether `caption` marks `key` as its accelerator with "&" ("&&" is a
// plain ampersand); letters compare in either case.
bool HasAccelerator(std::string_view caption, char32_t key);

// The first visible button with a caption that marks `key` as its
// accelerator (Alt and a letter, or the letter typed with Alt alone that no
// control of the form took).
std::optional<size_t> FindAcceleratorButton(std::span<const TMenuBarButton> buttons, char32_t key);

enum class KeyMenuEffect {
    PassOn,
    // Open the menu of menu-bar button Button; the message goes no further.
    OpenMenuBarButton,
    // Open the system menu at the client area's top-left corner.
    OpenSystemMenu,
};

struct KeyMenuAnswer {
    KeyMenuEffect Effect = KeyMenuEffect::PassOn;
    size_t Button = 0;

    bool operator==(const KeyMenuAnswer&) const = default;
};

// SC_KEYMENU with the key `key` (0 for F10 or Alt alone), unless a menu of
// the menu bar is open: the first visible button with a caption for key 0,
// else the accelerator's button; space opens the system menu; "-", other
// keys and any key while the mouse is captured go on.
KeyMenuAnswer DecideKeyMenu(uint32_t key, bool mouseCaptured,
                            std::span<const TMenuBarButton> buttons);

enum class MenuCharEffect {
    // No item has the key: the system beeps.
    Ignore,
    // Several have it: select the next after the selection.
    Select,
    // One has it: carry it out.
    Execute,
};

struct MenuCharAnswer {
    MenuCharEffect Effect = MenuCharEffect::Ignore;
    size_t Item = 0;

    bool operator==(const MenuCharAnswer&) const = default;
};

// WM_MENUCHAR in a menu of owner-drawn items, whose accelerators the system
// cannot see: `captions` are the menu's items in order ("-" for a
// separator), `selected` the item selected now.
MenuCharAnswer DecideMenuChar(std::span<const std::string> captions, char32_t key,
                              std::optional<size_t> selected);

// Window commands that arrive as WM_COMMAND are posted again as
// WM_SYSCOMMAND.
bool RepostsAsSystemCommand(uint32_t commandNumber);

}  // namespace skin
