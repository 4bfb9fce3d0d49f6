// A list box of texts with one selected row.
#pragma once

#include <string>

#include "ui/control.h"

namespace ui {

class TListBox : public TControl {
  public:
    TListBox(TComponent& owner, TControl* parent, int left, int top, int width, int height);
    std::string ClassName() const override { return "TListBox"; }

    void AddItem(std::string_view text);
    void ClearItems();
    int ItemCount() const;
    std::string Item(int index) const;
    // -1 while no row is selected.
    int ItemIndex() const;
    void SetItemIndex(int index);
    void SetItemHeight(int height);
    // Between the two calls the list is not repainted; filling a long list
    // then costs one repaint instead of one per row.
    void BeginUpdate(int expectedCount);
    void EndUpdate();

    // The user selected another row (mouse or keyboard).
    TNotifyEvent OnClick;

    bool GetProperty(std::string_view name, PropertyValue& value) const override;

  protected:
    void WndProc(TMessage& message) override;
};

}  // namespace ui
