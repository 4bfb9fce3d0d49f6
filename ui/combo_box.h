// An editable combo box with a drop-down list.
#pragma once

#include <string>

#include "ui/control.h"

namespace ui {

class TComboBox : public TControl {
  public:
    // `height` includes the drop-down list.
    TComboBox(TComponent& owner, TControl* parent, int left, int top, int width, int height);
    std::string ClassName() const override { return "TComboBox"; }

    std::string Text() const { return Caption(); }
    // Sets the text without counting as the user's edit (OnChange stays quiet).
    void SetText(std::string_view text);
    void SetMaxLength(int characters);
    // The most the text may take in GBK bytes; what the user types or pastes
    // beyond it is cut off (0: no such limit).
    void SetMaxBytes(int bytes) { maxBytes_ = bytes; }

    void AddItem(std::string_view text);
    void ClearItems();
    int ItemCount() const;
    std::string Item(int index) const;
    int ItemIndex() const;
    void SetItemIndex(int index);

    // The edit part of the box, where the user types.
    HWND EditHandle() const;

    // The user changed the text.
    TNotifyEvent OnChange;
    // The user picked another entry of the list; the text is that entry by then.
    TNotifyEvent OnSelect;

  protected:
    void WndProc(TMessage& message) override;

  private:
    void EnforceMaxBytes();
    bool settingText_ = false;
    int maxBytes_ = 0;
};

}  // namespace ui
