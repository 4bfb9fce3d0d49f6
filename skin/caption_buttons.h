// The caption buttons of a skinned window: which of the skin's buttons show
// for a window in its present state, where they stand, and how one is drawn.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "pixels/bitmap.h"
#include "skin/frame_metrics.h"
#include "skin/geometry.h"
#include "skin/nc_element.h"
#include "skin/skin_definition.h"
#include "skin/skin_objects.h"

namespace skin {

using pixels::Bitmap;

// What a button's Visibility, Visibility1 and Action say it depends on.
struct CaptionState {
    bool Active = true;
    bool Maximised = false;
    bool MaximiseBox = false;
    bool MinimiseBox = false;
    bool SystemMenu = false;
    FrameKind Kind = FrameKind::Sizeable;
    // The class is one of the system's dialog classes.
    bool DialogClass = false;
    // An MDI frame with a skinned menu bar whose active child is maximised.
    bool MaximisedMdiChildInMenuBar = false;
    bool RightToLeft = false;
    // For Visibility 1000 to 2000: the window's own answer, given the
    // Visibility and the Action.
    std::function<bool(int visibility, int action)> AskWindow;
};

// One caption button of one window. Its Place is kept while it is hidden.
// It holds the skin it was made from, so a switch to another skin cannot
// take its skin object away.
class TCaptionButton : public TNcElement {
  public:
    TCaptionButton(SkinSnapshot skin, size_t index);

    const TSkinSysButtonObject& Button() const { return *button_; }

  protected:
    void Paint(NcElementHost& frame) const override;

  private:
    std::shared_ptr<const TSkinSysButtonObject> button_;
};

// One per caption button of the skin, in the skin's order.
std::vector<TCaptionButton> MakeCaptionButtons(const SkinSnapshot& skin);

// The window-icon button: Action 3 or 11.
bool IsIconButton(const TSkinSysButtonObject& b);
bool CaptionButtonVisible(const TSkinSysButtonObject& b, const CaptionState& s);

// Decides each button's visibility and places the visible ones that have a
// picture (the icon button takes the icon's size when it has none). A
// button whose Align is 100 stands in the menu band, `menuBarLeftWidth`
// (the menu-bar picture's LeftWidth, 0 without one) in from the border.
void LayOutCaptionButtons(std::vector<TCaptionButton>& buttons, const CaptionState& s,
                          int windowWidth, const FrameMetrics& m, Size iconSize,
                          int menuBarLeftWidth);

// The slice the caption painting shows: 1, or 4 on an inactive window when
// the picture has four.
int CaptionPaintSlice(const TSkinSysButtonObject& b, bool active);

// The slice a button shows on its own after a change of state: its State,
// except that a hot button of the menu band shows slice 4.
int CaptionStateSlice(const TCaptionButton& button);

// Draws the button into its place: the icon button shows `icon` unscaled at
// the top-left corner, the others slice `slice` of their picture stretched
// to the place, magenta transparent.
void DrawCaptionButton(Bitmap& window, const TCaptionButton& button, int slice, const Bitmap& icon);

}  // namespace skin
