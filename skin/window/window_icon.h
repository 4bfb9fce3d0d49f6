// A window's icon as the caption's icon button shows it.
#pragma once

#include <windows.h>

#include "skin/geometry.h"

namespace skin::window {

// The window's small icon, else its big one, else its class's; none when it
// has none.
HICON WindowIcon(HWND window);

// The system's small-icon size.
Size SmallIconSize();

}  // namespace skin::window
