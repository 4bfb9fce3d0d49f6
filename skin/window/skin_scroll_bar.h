// Skinned scroll bars of a control (TSkinScrollbar; TSkinListView,
// TSkinScrollbarH and TSkinScControl are the same object): an overlay over
// each of the control's own bars, the square where they meet in the button
// face, and the two-ring border over the control's own.
#pragma once

#include <memory>
#include <optional>

#include "skin/window/scroll_overlay.h"
#include "skin/window/skin_control.h"

namespace skin::window {

class TSkinScrollbar : public TSkinControl {
  public:
    // `single`: only the vertical bar is covered (a simple combo box's
    // list).
    TSkinScrollbar(const ControlContext& context, SkinnedControlKind member, bool single);
    ~TSkinScrollbar() override;

    void AttachControl(ui::TControl& control, bool changeColor) override;
    void AttachWindow(HWND window) override;
    void RestoreLook() override;
    void Refresh() override;

    TScrollOverlay* Overlay(bool vertical) const;
    // Both overlays over the bars as the control reports them now.
    void PlaceOverlays();

  protected:
    bool BeforeMessage(ui::TMessage& m, const ui::NextHandler& next) override;
    void AfterMessage(ui::TMessage& m) override;
    void DrawControl(HDC dc, Rect place, const SkinDefinition& skin) override;

  private:
    void MakeOverlays();
    // Whether the control's style shows the overlay's bar while the overlay
    // is hidden, or the other way round.
    bool OutOfStep(const TScrollOverlay& overlay) const;
    // Whether the rings, the shown overlays and the corner between them
    // leave nothing of the control's own frame to show.
    bool SkinCoversFrame() const;
    void PaintBorder(HDC dc, Rect place, const SkinDefinition& skin);

    bool single_;
    std::unique_ptr<TScrollOverlay> vertical_;
    std::unique_ptr<TScrollOverlay> horizontal_;
    bool border_ = true;
    bool clipSiblingsAdded_ = false;
    std::optional<int64_t> savedFixedColor_;
};

}  // namespace skin::window
