// The keyboard's way into a skinned frame's menus: WM_SYSCOMMAND with
// SC_KEYMENU (F10, Alt alone, Alt and a letter, Alt and space), and the
// window commands that arrive as WM_COMMAND.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "skin/menu_bar_band.h"

namespace skin {

// Whether `caption` marks `key` as its accelerator with "&" ("&&" is a
// plain ampersand); letters compare in either case.
bool HasAccelerator(std::string_view caption, char32_t key);

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
// the menu bar is open: the first button for key 0, else the first whose
// caption has the key as accelerator; space opens the system menu; "-",
// other keys and any key while the mouse is captured go on.
KeyMenuAnswer DecideKeyMenu(uint32_t key, bool mouseCaptured,
                            std::span<const TMenuBarButton> buttons);

// Window commands that arrive as WM_COMMAND are posted again as
// WM_SYSCOMMAND.
bool RepostsAsSystemCommand(uint32_t commandNumber);

}  // namespace skin
