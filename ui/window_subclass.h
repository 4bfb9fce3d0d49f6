// The handler chain of a window that has no widget object (a message box,
// a common dialog): while any component has a link in it, the window's
// procedure is one of ours that runs the chain, whose end is the procedure
// the window had. Each window's chain is found in a table of the thread, so
// that no message asks the window server for it.
#pragma once

#include <windows.h>

#include <memory>

#include "ui/handler_chain.h"

namespace ui {

struct Subclass;

// A handler in front of a bare window's procedure. The first one subclasses
// the window; when the last goes, the window gets its procedure back, unless
// someone else has subclassed it meanwhile (then ours stays, handing every
// message on). The window's destruction ends the chain: the links that are
// left are harmless.
class WindowSubclass {
  public:
    WindowSubclass(HWND window, TLinkHandler handler);
    ~WindowSubclass();
    WindowSubclass(const WindowSubclass&) = delete;
    WindowSubclass& operator=(const WindowSubclass&) = delete;

  private:
    std::weak_ptr<Subclass> subclass_;
    HandlerLink link_;
};

}  // namespace ui
