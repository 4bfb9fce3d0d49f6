// Tab controls in the skin: page and tab controls (TSkinTab, and
// TSkinAdvPage for another library's page control) and tab sets
// (TSkinTab31), painted by the object alone from the tabs the control
// reports; its pages, child windows of their own, paint themselves.
#pragma once

#include "skin/tab_look.h"
#include "skin/window/skin_control.h"

namespace skin::window {

class TSkinTab : public TSkinControl {
  public:
    TSkinTab(const ControlContext& context, SkinnedControlKind member);

    TabStripFacts Facts() const;

  protected:
    bool BeforeMessage(ui::TMessage& m, const ui::NextHandler& next) override;
    void AfterMessage(ui::TMessage& m) override;
    void DrawControl(HDC dc, Rect place, const SkinDefinition& skin) override;

  private:
    int TabAt(LPARAM at) const;

    bool tabSet_;
    int hot_ = -1;
};

}  // namespace skin::window
