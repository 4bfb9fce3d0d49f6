// Command numbers: every menu item and tool button has one, unique in the
// process, so that a WM_COMMAND from any menu or tool bar finds its object.
#pragma once

#include <cstdint>

namespace ui {

class TCommandTarget {
  public:
    virtual void Click() = 0;

  protected:
    ~TCommandTarget() = default;
};

uint16_t AllocateCommand(TCommandTarget& target);
void ReleaseCommand(uint16_t command);
// Clicks the target of a command; false when no object has that number.
bool DispatchCommand(uint16_t command);

}  // namespace ui
