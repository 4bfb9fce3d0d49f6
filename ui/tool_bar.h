// A tool bar of buttons with pictures and captions under them.
#pragma once

#include <string>
#include <vector>

#include "ui/command.h"
#include "ui/control.h"

namespace ui {

class TImageList;

enum class TToolButtonStyle { tbsButton, tbsSeparator };

// A button of a tool bar; it has no window of its own.
class TToolButton : public TComponent, public TCommandTarget {
  public:
    explicit TToolButton(TComponent& owner);
    ~TToolButton() override;
    std::string ClassName() const override { return "TToolButton"; }

    std::string Caption;
    int ImageIndex = -1;
    TToolButtonStyle Style = TToolButtonStyle::tbsButton;
    TNotifyEvent OnClick;

    void Click() override;
    uint16_t Command() const { return command_; }

    bool GetProperty(std::string_view name, PropertyValue& value) const override;

  private:
    uint16_t command_;
};

class TToolBar : public TControl {
  public:
    TToolBar(TComponent& owner, TControl* parent, int left, int top, int width, int height);
    std::string ClassName() const override { return "TToolBar"; }

    void SetImages(TImageList* images);
    // Call after the buttons are in: adding a button sizes them anew.
    void SetButtonSize(int width, int height);
    // Appends a button (or separator) at the right end.
    void AddButton(TToolButton* button);
    const std::vector<TToolButton*>& Buttons() const { return buttons_; }

    bool Flat() const;
    void SetFlat(bool flat);
    bool Transparent() const;
    void SetTransparent(bool transparent);

    bool GetProperty(std::string_view name, PropertyValue& value) const override;
    bool SetProperty(std::string_view name, const PropertyValue& value) override;

  protected:
    void WndProc(TMessage& message) override;

  private:
    void SetStyleBit(DWORD bit, bool on);
    std::vector<TToolButton*> buttons_;
};

}  // namespace ui
