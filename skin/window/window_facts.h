// What the skin manager reads of a window before it decides whether to skin
// it.
#pragma once

#include <windows.h>

#include <string>

#include "skin/manager_decisions.h"
#include "ui/control.h"

namespace skin::window {

// `widget`: the window's widget object, or none. `enumerating`: a switch-on
// pass is walking the application's forms.
WindowFacts FactsOfWindow(HWND window, const ui::TControl* widget, bool enumerating);

// The class name of a window, in UTF-8; empty for none.
std::string ClassNameOf(HWND window);

}  // namespace skin::window
