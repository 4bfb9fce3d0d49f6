#include "skin/window/menu_filter_hook.h"

namespace skin::window {
namespace {

// One menu is open at a time; a nested one (a frame opening its menu from
// inside another's loop) hides the outer hook until it closes.
thread_local MenuFilterHook* t_active = nullptr;

}  // namespace

MenuFilterHook::MenuFilterHook(Filter filter)
    : filter_(std::move(filter)),
      previous_(t_active),
      hook_(SetWindowsHookExW(WH_MSGFILTER, Procedure, nullptr, GetCurrentThreadId())) {
    t_active = this;
}

MenuFilterHook::~MenuFilterHook() {
    t_active = previous_;
}

LRESULT CALLBACK MenuFilterHook::Procedure(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_MENU && t_active && lParam)
        t_active->filter_(*reinterpret_cast<MSG*>(lParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace skin::window
