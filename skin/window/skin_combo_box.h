// Combo boxes in the skin (TSkinComBox): the sunken field and the drop-down
// button drawn over the box after its own painting; the edit part of a
// drop-down box is followed too, since a press there opens the list and
// its painting covers the box's. The list a simple box always shows gets a
// skinned scroll bar of its own.
#pragma once

#include <memory>

#include "skin/combo_box_look.h"
#include "skin/window/skin_control.h"
#include "skin/window/skin_scroll_bar.h"

namespace skin::window {

class TSkinComBox : public TSkinControl {
  public:
    explicit TSkinComBox(const ControlContext& context);

    void AttachControl(ui::TControl& control, bool changeColor) override;
    void AttachWindow(HWND window) override;
    void RestoreLook() override;
    void Refresh() override;

    ComboBoxFacts Facts() const;
    // The skinned scroll bar of a simple box's list; none for other boxes.
    TSkinScrollbar* ListScrollBar() const { return listScrollBar_.get(); }

  protected:
    void AfterMessage(ui::TMessage& m) override;
    void DrawControl(HDC dc, Rect place, const SkinDefinition& skin) override;

  private:
    void FollowEditPart();
    void SkinSimpleList();
    void OnEditMessage(ui::TMessage& m, const ui::NextHandler& next);
    // A press on the box or its edit part shows the button pressed until
    // the release; whether `msg` was one of them.
    bool FollowPress(UINT msg);
    bool HasFocus() const;

    bool pressed_ = false;
    bool hot_ = false;
    HWND edit_ = nullptr;
    std::unique_ptr<ui::WindowSubclass> editSubclass_;
    std::unique_ptr<TSkinScrollbar> listScrollBar_;
};

}  // namespace skin::window
