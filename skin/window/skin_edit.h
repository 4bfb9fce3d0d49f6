// Edit boxes and date-time pickers in the skin (TSkinEdit, TSkinDateTime):
// the control paints its inside itself; the object paints the two-ring
// border over the control's own after each painting, and a picker's
// drop-down button as an arrow button.
#pragma once

#include "skin/date_time_look.h"
#include "skin/window/skin_control.h"

namespace skin::window {

class TSkinEdit : public TSkinControl {
  public:
    TSkinEdit(const ControlContext& context, SkinnedControlKind member);

    DateTimeFacts Facts() const;

  protected:
    void AfterMessage(ui::TMessage& m) override;
    void DrawControl(HDC dc, Rect place, const SkinDefinition& skin) override;

  private:
    bool picker_;
    bool pressed_ = false;
    bool hot_ = false;
};

}  // namespace skin::window
