// An icon picture that its owner is told about when it changes.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/win_handle.h"

namespace ui {

class TIcon {
  public:
    HICON Handle() const { return handle_.get(); }
    bool Empty() const { return !handle_; }

    // Takes a copy of `icon`; the caller keeps its own.
    void Assign(HICON icon);
    // Takes `icon` over.
    void SetHandle(HICON icon);

    std::function<void()> OnChange;

  private:
    void Changed();

    OwnedIcon handle_;
};

}  // namespace ui
