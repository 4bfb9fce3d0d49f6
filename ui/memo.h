// A multi-line plain text editor.
#pragma once

#include "ui/control.h"

namespace ui {

class TMemo : public TControl {
  public:
    TMemo(TComponent& owner, TControl* parent, int left, int top, int width, int height);
    std::string ClassName() const override { return "TMemo"; }

    std::string Text() const { return Caption(); }
    void SetText(std::string_view text) { SetCaption(text); }

    bool GetProperty(std::string_view name, PropertyValue& value) const override;
};

}  // namespace ui
