#include "skin/window/system_look.h"

#include <windows.h>

namespace skin::window {

Colour Win32SystemLook::SystemColourValue(int index) const {
    // A COLORREF is the skin code's explicit colour, byte for byte.
    return static_cast<Colour>(GetSysColor(index));
}

int Win32SystemLook::HorzScrollArrowWidth() const {
    return GetSystemMetrics(SM_CXHSCROLL);
}

Size Win32SystemLook::MaximizedWindowSize() const {
    return {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
}

}  // namespace skin::window
