// Group boxes in the skin (TSkinGroupBox): the rounded line in the button
// shadow colour, the caption over it. A box of ours is painted by the object
// alone; a bare box paints itself first and is painted over.
#pragma once

#include "skin/window/skin_control.h"

namespace skin::window {

class TSkinGroupBox : public TSkinControl {
  public:
    explicit TSkinGroupBox(const ControlContext& context);

  protected:
    bool BeforeMessage(ui::TMessage& m, const ui::NextHandler& next) override;
    void DrawControl(HDC dc, Rect place, const SkinDefinition& skin) override;
};

}  // namespace skin::window
