// The thread's message-filter hook while a drop-down menu of the skinned
// menu bar is open: it shows the frame every message of the menu's loop
// before the menu sees it.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/win_handle.h"

namespace skin::window {

class MenuFilterHook {
  public:
    // `filter` sees each message of a menu's loop (MSGF_MENU) and may change
    // it; it must not throw.
    using Filter = std::function<void(MSG& message)>;

    explicit MenuFilterHook(Filter filter);
    ~MenuFilterHook();
    MenuFilterHook(const MenuFilterHook&) = delete;
    MenuFilterHook& operator=(const MenuFilterHook&) = delete;

  private:
    static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam);

    struct Unhook {
        void operator()(HHOOK hook) const { UnhookWindowsHookEx(hook); }
    };
    Filter filter_;
    MenuFilterHook* previous_;
    ui::Owned<HHOOK, Unhook> hook_;
};

}  // namespace skin::window
