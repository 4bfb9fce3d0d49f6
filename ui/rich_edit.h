// A rich text view.
#pragma once

#include "ui/control.h"

namespace ui {

class TRichEdit : public TControl {
public:
    TRichEdit(TComponent& owner, TControl* parent, int left, int top, int width, int height, bool readOnly);
    std::string ClassName() const override { return "TRichEdit"; }

    std::string Text() const { return Caption(); }
    void Clear();

    bool GetProperty(std::string_view name, PropertyValue& value) const override;

protected:
    void FontChanged() override;
    void ColorChanged() override;
};

}  // namespace ui
