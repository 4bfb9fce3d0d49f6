// The single-instance guard: a named mutex held for the life of the process.
#pragma once

#include "ui/win_handle.h"

class SingleInstanceGuard {
  public:
    SingleInstanceGuard();
    // False when another copy of the program already holds the name.
    bool IsFirst() const { return first_; }

  private:
    ui::OwnedHandle mutex_;
    bool first_;
};
