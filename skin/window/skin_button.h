// Push buttons in the skin (TSkinButton, and TSkinBitButton,
// TSkinSpeedButton and TSkinMenuButton, which differ only in what the
// composition shows): the object answers the button's painting alone and
// follows the pressed and hot states through the user's messages.
#pragma once

#include "skin/push_button_tracker.h"
#include "skin/window/skin_control.h"

namespace skin::window {

class TSkinButton : public TSkinControl {
  public:
    // `member`: the push-button member the classification named.
    TSkinButton(const ControlContext& context, SkinnedControlKind member);
    // For the members that behave as push buttons and look otherwise.
    TSkinButton(const ControlContext& context, const MemberFacts& member);

    ButtonState StateNow() const { return tracker_.State(Focused(), Enabled()); }

  protected:
    bool BeforeMessage(ui::TMessage& m, const ui::NextHandler& next) override;
    void AfterMessage(ui::TMessage& m) override;
    void DrawControl(HDC dc, Rect place, const SkinDefinition& skin) override;

  private:
    void On(ButtonInput input);
    // Passes the message on with the window's redraw switched off, so that
    // the control's own painting of its new state never shows.
    void QuietPassOn(ui::TMessage& m, const ui::NextHandler& next);
    PushButtonFacts Facts(const SkinDefinition& skin);

    bool dropDown_;
    PushButtonTracker tracker_;
};

}  // namespace skin::window
