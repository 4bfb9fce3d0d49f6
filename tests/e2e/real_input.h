// Real input: the pointer moved and clicked through the X server (xdotool),
// as a user's mouse would, inside Wine's virtual desktop. Its origin is the
// X screen's, so screen coordinates of both are the same.
#pragma once

#include <windows.h>

#include <string>

// Moves the pointer to a point of the screen and clicks the left button
// there; false when the pointer did not get there.
bool ClickAt(POINT point);

// The same with the right button.
bool RightClickAt(POINT point);

// Moves the pointer there without clicking; false when it did not get there.
bool MoveTo(POINT point);
// Presses the left button at `from`, moves the pointer to `to` in a few
// steps and releases it there.
bool DragTo(POINT from, POINT to);
// Presses keys by their X names, one after the other ("Down Return").
bool PressKeys(const std::wstring& names);

// The middle of a window's rectangle on the screen.
POINT CentreOf(HWND window);
