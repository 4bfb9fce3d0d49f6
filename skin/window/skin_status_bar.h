// Status bars in the skin (TSkinStatusBar): the bar's panels as the bar
// reports them, composed whole off-screen and painted by the object alone.
#pragma once

#include "skin/status_bar_look.h"
#include "skin/window/skin_control.h"

namespace skin::window {

class TSkinStatusBar : public TSkinControl {
  public:
    explicit TSkinStatusBar(const ControlContext& context);

    // What the bar reports of itself: simple mode, panels, texts, grip.
    StatusBarFacts Facts() const;

  protected:
    bool BeforeMessage(ui::TMessage& m, const ui::NextHandler& next) override;
    void DrawControl(HDC dc, Rect place, const SkinDefinition& skin) override;
};

}  // namespace skin::window
