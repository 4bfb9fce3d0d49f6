// Bare scroll-bar windows in the skin (TSkinSizer): a size box with the
// skin's grip, or a scroll bar control drawn as the overlays draw a
// control's own bars. The bar tracks a press itself and is painted over
// once its tracking has returned.
#pragma once

#include "skin/scroll_bar_window_look.h"
#include "skin/window/skin_control.h"

namespace skin::window {

class TSkinSizer : public TSkinControl {
  public:
    explicit TSkinSizer(const ControlContext& context);

    ScrollBarWindowFacts Facts() const;

  protected:
    bool CanDraw(const SkinDefinition& skin) const override;
    bool BeforeMessage(ui::TMessage& m, const ui::NextHandler& next) override;
    void AfterMessage(ui::TMessage& m) override;
    void DrawControl(HDC dc, Rect place, const SkinDefinition& skin) override;
};

}  // namespace skin::window
