// Track bars in the skin (TSkinTrackBar), painted by the object alone from
// the channel, thumb and ticks the bar reports; the thumb shows pressed
// while it is dragged and hot under the pointer.
#pragma once

#include "skin/track_bar_look.h"
#include "skin/window/skin_control.h"

namespace skin::window {

class TSkinTrackBar : public TSkinControl {
  public:
    explicit TSkinTrackBar(const ControlContext& context);

    TrackBarFacts Facts() const;

  protected:
    bool CanDraw(const SkinDefinition& skin) const override;
    bool BeforeMessage(ui::TMessage& m, const ui::NextHandler& next) override;
    void AfterMessage(ui::TMessage& m) override;
    void DrawControl(HDC dc, Rect place, const SkinDefinition& skin) override;

  private:
    bool OnThumb(LPARAM at) const;

    bool pressed_ = false;
    bool hot_ = false;
};

}  // namespace skin::window
