// A form: a top-level window of the program that owns its controls, menus
// and other parts.
#pragma once

#include <functional>
#include <string>

#include "ui/control.h"

namespace ui {

class TMainMenu;

// Asked before a form closes; setting `canClose` to false keeps it open.
using TCloseQueryEvent = std::function<void(TComponent& sender, bool& canClose)>;

enum class TFormBorderStyle { bsSingle, bsDialog };
enum class TPosition { poScreenCenter, poOwnerFormCenter };

constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;

class TForm : public TControl {
  public:
    // `windowClass` is the form's class name ("TForm1"), which is also its
    // window class.
    TForm(TComponent& owner, const wchar_t* windowClass, TFormBorderStyle borderStyle,
          TPosition position);
    ~TForm() override;
    std::string ClassName() const override { return className_; }

    void SetClientSize(int width, int height);
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);
    TFormBorderStyle BorderStyle() const { return borderStyle_; }

    void Show();
    void Hide();
    // Asks CloseQuery; the main form then ends the program, another form hides.
    void Close();
    // Whether the form may close, as OnCloseQuery answers. Not virtual, so
    // that the compiler refuses a call whose answer is dropped
    // (-Werror=unused-result): a call for its side effects is a mistake.
    [[nodiscard]] bool CloseQuery();
    TCloseQueryEvent OnCloseQuery;
    // Shows the form with the rest of the program disabled until it closes.
    int ShowModal();
    int ModalResult = mrNone;

    // The button that Enter presses when the focused control does not take it.
    void SetDefaultButton(TControl* button);
    TControl* DefaultButton() const { return defaultButton_; }

    bool GetProperty(std::string_view name, PropertyValue& value) const override;
    bool SetProperty(std::string_view name, const PropertyValue& value) override;

  protected:
    void WndProc(TMessage& message) override;
    // The system-command handling; derived forms may handle a command first.
    virtual void WMSysCommand(TMessage& message);

  private:
    void PlaceOnFirstShow();

    std::string className_;
    TFormBorderStyle borderStyle_;
    TPosition position_;
    TMainMenu* menu_ = nullptr;
    TControl* defaultButton_ = nullptr;
    bool placed_ = false;
    bool autoScroll_ = false;
};

}  // namespace ui
