// Up-down buttons in the skin (TSkinUpDown): the control works as ever and
// is painted over after each of its paintings, the half under the pointer
// hot and the half pressed while the button is down on it.
#pragma once

#include "skin/up_down_look.h"
#include "skin/window/skin_control.h"

namespace skin::window {

class TSkinUpDown : public TSkinControl {
  public:
    explicit TSkinUpDown(const ControlContext& context);

    UpDownFacts Facts() const;

  protected:
    bool CanDraw(const SkinDefinition& skin) const override;
    void AfterMessage(ui::TMessage& m) override;
    void DrawControl(HDC dc, Rect place, const SkinDefinition& skin) override;

  private:
    UpDownHalf HalfAt(LPARAM at) const;

    UpDownHalf pressed_ = UpDownHalf::None;
    UpDownHalf hot_ = UpDownHalf::None;
};

}  // namespace skin::window
