// A line of static text on its parent's background.
#pragma once

#include "ui/control.h"

namespace ui {

class TLabel : public TControl {
  public:
    TLabel(TComponent& owner, TControl* parent, int left, int top, int width, int height);
    std::string ClassName() const override { return "TLabel"; }
};

}  // namespace ui
