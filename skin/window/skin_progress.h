// Progress bars in the skin (TSkinProgress), painted by the object alone
// from the range and position the bar reports.
#pragma once

#include "skin/progress_look.h"
#include "skin/window/skin_control.h"

namespace skin::window {

class TSkinProgress : public TSkinControl {
  public:
    explicit TSkinProgress(const ControlContext& context);

    ProgressFacts Facts() const;

  protected:
    bool BeforeMessage(ui::TMessage& m, const ui::NextHandler& next) override;
    void DrawControl(HDC dc, Rect place, const SkinDefinition& skin) override;
};

}  // namespace skin::window
