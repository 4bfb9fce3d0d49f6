// A window's drawing held back while a frame is laid out.
#pragma once

#include <windows.h>

namespace skin::window {

// Under Wine every frame change that gives a window a new size or outline
// erases every one of its children at once, and laying out a skinned frame
// is two of them (the outline, then the size) after the controls have been
// handed over and repainted. While this lives the window draws nothing; at
// its end the window, its frame and everything in it are invalidated once,
// and what the window no longer covers (a smaller frame, the corners its
// outline cuts away) is drawn again by what lies behind. A hidden window is
// left alone: turning its drawing back on would mark it visible.
class HeldDrawing {
  public:
    explicit HeldDrawing(HWND window);
    ~HeldDrawing();
    HeldDrawing(const HeldDrawing&) = delete;
    HeldDrawing& operator=(const HeldDrawing&) = delete;

  private:
    HWND window_;
    bool shown_;
    RECT before_{};
};

}  // namespace skin::window
