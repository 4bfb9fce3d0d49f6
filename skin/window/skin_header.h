// Header controls in the skin (TSkinHeader), painted by the object alone
// from the sections the header reports; the section under the pointer is
// hot and the one the button went down on pressed.
#pragma once

#include "skin/header_look.h"
#include "skin/window/skin_control.h"

namespace skin::window {

class TSkinHeader : public TSkinControl {
  public:
    explicit TSkinHeader(const ControlContext& context);

    HeaderFacts Facts() const;

  protected:
    bool BeforeMessage(ui::TMessage& m, const ui::NextHandler& next) override;
    void AfterMessage(ui::TMessage& m) override;
    void DrawControl(HDC dc, Rect place, const SkinDefinition& skin) override;

  private:
    int SectionAt(LPARAM at) const;

    int pressed_ = -1;
    int hot_ = -1;
};

}  // namespace skin::window
