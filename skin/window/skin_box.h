// The members that only give a control the skin's button face while it is
// skinned and paint nothing themselves: panels and tool bars (TSkinBox),
// dialogs nested in a bare dialog (TSkinBoxH), pages of a page control
// (TSkinTabSheet).
#pragma once

#include "skin/window/skin_control.h"

namespace skin::window {

class TSkinBox : public TSkinControl {
  public:
    TSkinBox(const ControlContext& context, SkinnedControlKind member);

  protected:
    bool BeforeMessage(ui::TMessage& m, const ui::NextHandler& next) override;
    void AfterMessage(ui::TMessage& m) override;

  private:
    // A bare window has no colour to change: its background is erased in
    // the button face instead.
    ui::OwnedBrush faceBrush_;
    Colour faceColour_ = kNoColour;
};

}  // namespace skin::window
