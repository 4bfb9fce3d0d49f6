// The window classes of the widget layer. Every window of ours is of a class
// named after its framework class ("TForm1", "TButton", "TListBox"): our own
// classes, or superclasses of the system's controls that keep the system's
// window procedure as their default handling.
#pragma once

#include <windows.h>

namespace ui {

// The default handling of the windows of a class of ours: the system class's
// window procedure, or DefWindowProc for classes of our own.
class DefaultWindowProc {
  public:
    explicit DefaultWindowProc(WNDPROC proc = DefWindowProcW);
    LRESULT operator()(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) const;

  private:
    WNDPROC proc_;
    // CallWindowProcW first looks the procedure up among the handles that
    // stand for some procedures, which under Wine is a call into the window
    // system for every message; a procedure that is a function of a loaded
    // module is called as the function it is.
    bool callDirectly_;
};

// Registers `name` as a superclass of the system class `systemClass` (once);
// the system class's procedure becomes its default handling.
void RegisterSuperclass(const wchar_t* systemClass, const wchar_t* name);

// Registers a class of our own (once); its default handling is DefWindowProc.
void RegisterOwnClass(const wchar_t* name, UINT classStyle, HICON icon = nullptr);

// The default handling of a registered class of ours.
DefaultWindowProc DefaultProcOf(const wchar_t* name);

// The window procedure of every window of ours.
LRESULT CALLBACK ControlWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace ui
