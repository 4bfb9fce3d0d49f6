#include "tray/utility_window.h"

#include "ui/error_report.h"
#include "ui/message_kind.h"

UtilityWindow::UtilityWindow(const wchar_t* className) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(instance, className, &wc)) {
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = Route;
        wc.hInstance = instance;
        wc.lpszClassName = className;
        RegisterClassExW(&wc);
    }
    handle_ = CreateWindowExW(WS_EX_TOOLWINDOW, className, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                              nullptr, instance, nullptr);
    SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

UtilityWindow::~UtilityWindow() {
    // The derived part is gone: the last messages get the default handling.
    SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
}

LRESULT CALLBACK UtilityWindow::Route(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<UtilityWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    // An event handler that fails ends its command here; the program goes on.
    return ui::RunCallback(ui::FailureKindOf(message, lParam), LRESULT{0},
                           [&] { return self->WindowProc(message, wParam, lParam); });
}
