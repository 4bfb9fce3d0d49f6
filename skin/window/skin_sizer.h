// Bare scroll-bar windows in the skin (TSkinSizer): a size box with the
// skin's grip, or a scroll bar control drawn as the overlays draw a
// control's own bars. The bar tracks a press itself, drawing each step in
// its ordinary look; the skinned look, with the part pressed and the thumb
// where the drag has taken it, is painted over after each step.
#pragma once

#include "skin/scroll_bar_window_look.h"
#include "skin/scroll_overlay_tracker.h"
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

  private:
    // The bar's own tracking of a press at `m`, with the skin painted over
    // each of its steps.
    void Track(ui::TMessage& m, const ui::NextHandler& next);
    ScrollBarGeometry Geometry(const ScrollBarWindowFacts& facts) const;
    // The pointer's position along the bar.
    int PointerAlong(bool vertical) const;

    ScrollOverlayTracker tracker_;
};

}  // namespace skin::window
