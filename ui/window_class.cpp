#include "ui/window_class.h"

#include <map>
#include <string>

namespace ui {
namespace {

std::map<std::wstring, DefaultWindowProc>& Classes() {
    static std::map<std::wstring, DefaultWindowProc> classes;
    return classes;
}

bool IsFunctionOfAModule(WNDPROC proc) {
    HMODULE module = nullptr;
    return GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                  GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                              reinterpret_cast<LPCWSTR>(reinterpret_cast<void*>(proc)), &module) &&
           module != nullptr;
}

}  // namespace

DefaultWindowProc::DefaultWindowProc(WNDPROC proc)
    : proc_(proc), callDirectly_(IsFunctionOfAModule(proc)) {}

LRESULT DefaultWindowProc::operator()(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) const {
    return callDirectly_ ? proc_(window, msg, wParam, lParam)
                         : CallWindowProcW(proc_, window, msg, wParam, lParam);
}

void RegisterSuperclass(const wchar_t* systemClass, const wchar_t* name) {
    auto& classes = Classes();
    if (classes.count(name))
        return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(nullptr, systemClass, &wc))
        return;
    const WNDPROC systemProc = wc.lpfnWndProc;
    wc.lpfnWndProc = ControlWndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = name;
    // Global classes would be shared with other modules; ours are local.
    wc.style &= ~CS_GLOBALCLASS;
    RegisterClassExW(&wc);
    classes.emplace(name, DefaultWindowProc(systemProc));
}

void RegisterOwnClass(const wchar_t* name, UINT classStyle, HICON icon) {
    auto& classes = Classes();
    if (classes.count(name))
        return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = classStyle;
    wc.lpfnWndProc = ControlWndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = icon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
    classes.emplace(name, DefaultWindowProc());
}

DefaultWindowProc DefaultProcOf(const wchar_t* name) {
    const auto& classes = Classes();
    const auto it = classes.find(name);
    return it != classes.end() ? it->second : DefaultWindowProc();
}

}  // namespace ui
