// The window classes of the widget layer. Every window of ours is of a class
// named after its framework class ("TForm1", "TButton", "TListBox"): our own
// classes, or superclasses of the system's controls that keep the system's
// window procedure as their default handling.
#pragma once

#include <windows.h>

namespace ui {

// Registers `name` as a superclass of the system class `systemClass` (once)
// and answers the system class's window procedure.
WNDPROC RegisterSuperclass(const wchar_t* systemClass, const wchar_t* name);

// Registers a class of our own (once); its default handling is DefWindowProc.
void RegisterOwnClass(const wchar_t* name, UINT classStyle, HICON icon = nullptr);

// The default window procedure of a registered class of ours.
WNDPROC DefaultProcOf(const wchar_t* name);

// The window procedure of every window of ours.
LRESULT CALLBACK ControlWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace ui
