// A push button.
#pragma once

#include "ui/control.h"

namespace ui {

class TButton : public TControl {
  public:
    TButton(TComponent& owner, TControl* parent, int left, int top, int width, int height);
    std::string ClassName() const override { return "TButton"; }

    TNotifyEvent OnClick;
    // Runs OnClick; a button with a ModalResult then closes its modal form.
    void Click();

    // A default button is pressed by Enter when the focused control does not
    // take the key, and is drawn with a heavier border.
    bool Default() const { return default_; }
    void SetDefault(bool value);
    int ModalResult = 0;

    bool GetProperty(std::string_view name, PropertyValue& value) const override;
    bool SetProperty(std::string_view name, const PropertyValue& value) override;

  protected:
    void WndProc(TMessage& message) override;

  private:
    bool default_ = false;
};

// The form a control stands on, or null.
class TForm;
TForm* ParentForm(TControl& control);

}  // namespace ui
