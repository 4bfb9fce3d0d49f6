// Real mouse and keyboard input on the display the tests run on, made by
// xdotool as a user's hands would make it: the program sees the events the
// X server sends Wine's virtual desktop.
#pragma once

#include <string>

namespace desktop {

// Moves the pointer to the screen point and clicks the left button.
void Click(int x, int y);
// Moves the pointer there without clicking.
void MoveTo(int x, int y);
// Presses keys by their X names, one after another ("Down Down Return").
void Keys(const std::string& names);

}  // namespace desktop
