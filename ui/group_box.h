// A group box: an etched frame with a caption, holding controls.
#pragma once

#include "ui/control.h"

namespace ui {

class TGroupBox : public TControl {
  public:
    TGroupBox(TComponent& owner, TControl* parent, int left, int top, int width, int height);
    std::string ClassName() const override { return "TGroupBox"; }

  protected:
    void WndProc(TMessage& message) override;

  private:
    void Paint(HDC dc);
};

}  // namespace ui
