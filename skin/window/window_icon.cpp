#include "skin/window/window_icon.h"

namespace skin::window {

HICON WindowIcon(HWND window) {
    if (!window)
        return nullptr;
    if (const LRESULT icon = SendMessageW(window, WM_GETICON, ICON_SMALL, 0))
        return reinterpret_cast<HICON>(icon);
    if (const LRESULT icon = SendMessageW(window, WM_GETICON, ICON_BIG, 0))
        return reinterpret_cast<HICON>(icon);
    if (const ULONG_PTR icon = GetClassLongPtrW(window, GCLP_HICONSM))
        return reinterpret_cast<HICON>(icon);
    return reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICON));
}

Size SmallIconSize() {
    return {GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)};
}

}  // namespace skin::window
