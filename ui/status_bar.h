// A status bar with panels.
#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

class TStatusBar : public TControl {
  public:
    TStatusBar(TComponent& owner, TControl* parent, int left, int top, int width, int height);
    std::string ClassName() const override { return "TStatusBar"; }

    // One panel per width; the last one reaches to the bar's right end.
    void SetPanels(const std::vector<int>& widths);
    void SetPanelText(int panel, std::string_view text,
                      TAlignment alignment = TAlignment::taLeftJustify);
    std::string PanelText(int panel) const;

  private:
    std::vector<std::string> texts_;
};

}  // namespace ui
