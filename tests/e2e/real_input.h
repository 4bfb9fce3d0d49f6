// Real input: the pointer moved and clicked through the X server (xdotool),
// as a user's mouse would, inside Wine's virtual desktop. Its origin is the
// X screen's, so screen coordinates of both are the same.
#pragma once

#include <windows.h>

#include <optional>

// Moves the pointer to a point of the screen and clicks the left button
// there; false when the pointer did not get there.
bool ClickAt(POINT point);

// The middle of a window's rectangle on the screen.
POINT CentreOf(HWND window);

// A point of a window's caption where the window's hit test answers `hit`
// (HTMINBUTTON, HTCLOSE), found from the right end of the caption.
std::optional<POINT> CaptionPoint(HWND window, LRESULT hit);
