#include "ui/window_class.h"

#include <map>
#include <string>

namespace ui {
namespace {

std::map<std::wstring, WNDPROC>& Classes() {
    static std::map<std::wstring, WNDPROC> classes;
    return classes;
}

}  // namespace

WNDPROC RegisterSuperclass(const wchar_t* systemClass, const wchar_t* name) {
    auto& classes = Classes();
    if (auto it = classes.find(name); it != classes.end())
        return it->second;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(nullptr, systemClass, &wc))
        return DefWindowProcW;
    const WNDPROC systemProc = wc.lpfnWndProc;
    wc.lpfnWndProc = ControlWndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = name;
    // Global classes would be shared with other modules; ours are local.
    wc.style &= ~CS_GLOBALCLASS;
    RegisterClassExW(&wc);
    classes[name] = systemProc;
    return systemProc;
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
    classes[name] = DefWindowProcW;
}

WNDPROC DefaultProcOf(const wchar_t* name) {
    const auto& classes = Classes();
    const auto it = classes.find(name);
    return it != classes.end() ? it->second : DefWindowProcW;
}

}  // namespace ui
