// Check boxes and radio buttons in the skin (TSkinCheckBox,
// TSkinRadioButton, and TSkinObjImage for the check and radio controls of
// other libraries): they follow the user's messages as push buttons do and
// are painted by the object alone, the box from the Buttons object's
// pictures and the caption beside it.
#pragma once

#include "skin/check_box_look.h"
#include "skin/window/skin_button.h"

namespace skin::window {

class TSkinCheckBox : public TSkinButton {
  public:
    // `objImageStyle`: TSkinObjImage's style (1 and 3 check boxes, 2 a
    // radio button); 0 for the other two members.
    TSkinCheckBox(const ControlContext& context, SkinnedControlKind member, int objImageStyle = 0);

    ToggleFacts Facts() const;

  protected:
    void DrawControl(HDC dc, Rect place, const SkinDefinition& skin) override;

  private:
    CheckMark Mark() const;
    bool radio_;
};

}  // namespace skin::window
