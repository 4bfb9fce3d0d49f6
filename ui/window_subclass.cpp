#include "ui/window_subclass.h"

#include <unordered_map>

#include "ui/window_class.h"

namespace ui {

struct Subclass {
    HWND window = nullptr;
    WNDPROC original = nullptr;
    // The same procedure, called directly when it is a function.
    DefaultWindowProc callOriginal;
    HandlerChain chain{
        [this](TMessage& m) { m.Result = callOriginal(window, m.Msg, m.WParam, m.LParam); }};
};

namespace {

thread_local std::unordered_map<HWND, std::shared_ptr<Subclass>> g_subclasses;

LRESULT CALLBACK SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    const auto found = g_subclasses.find(window);
    if (found == g_subclasses.end())
        return DefWindowProcW(window, msg, wParam, lParam);
    // Kept for the whole message, even if the last link goes meanwhile.
    const std::shared_ptr<Subclass> subclass = found->second;
    TMessage message{msg, wParam, lParam, 0};
    try {
        subclass->chain.Dispatch(message);
    } catch (...) {
        // A link that fails ends the message where it failed: running the
        // window's procedure again could handle it twice.
    }
    if (msg == WM_NCDESTROY) {
        if (GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(SubclassProc))
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclass->original));
        g_subclasses.erase(window);
    }
    return message.Result;
}

std::shared_ptr<Subclass> SubclassOf(HWND window) {
    std::shared_ptr<Subclass>& subclass = g_subclasses[window];
    if (!subclass) {
        subclass = std::make_shared<Subclass>();
        subclass->window = window;
        subclass->original = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
        subclass->callOriginal = DefaultWindowProc(subclass->original);
    }
    return subclass;
}

}  // namespace

WindowSubclass::WindowSubclass(HWND window, TLinkHandler handler) {
    const std::shared_ptr<Subclass> subclass = SubclassOf(window);
    subclass_ = subclass;
    link_ = HandlerLink(subclass->chain, std::move(handler));
}

WindowSubclass::~WindowSubclass() {
    link_.Remove();
    const std::shared_ptr<Subclass> subclass = subclass_.lock();
    if (!subclass || subclass->chain.HasLinks())
        return;
    const HWND window = subclass->window;
    if (GetWindowLongPtrW(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(SubclassProc))
        return;
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclass->original));
    g_subclasses.erase(window);
}

}  // namespace ui
