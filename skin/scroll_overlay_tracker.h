// The hot and pressed parts of a skinned scroll bar overlay, followed
// through the user's messages. The window half feeds it each message and
// repaints the overlay when told; while the left button is down the
// control's own scroll-bar tracking runs, and the overlay shows the part
// pressed and, for the thumb, where the drag has taken it.
#pragma once

#include "skin/scroll_bar_look.h"

namespace skin {

// A bar as the system reports it, along its length.
struct ScrollBarGeometry {
    int length = 0;
    int arrow = 0;  // the system's arrow size
    int thumbStart = 0;
    int thumbEnd = 0;
};

class ScrollOverlayTracker {
  public:
    // The pointer at p along the bar: true when the part under it changed.
    bool PointerMove(int p, const ScrollBarGeometry& bar);
    // The pointer left the overlay: true (repaint) unless a button is down,
    // which keeps the part.
    bool PointerLeave(bool buttonDown);
    // The left button pressed (or double-clicked) at p: the part under it
    // is pressed, and the pointer and the thumb's start are remembered.
    void ButtonDown(int p, const ScrollBarGeometry& bar);
    // The control's own tracking has returned: the press is over.
    void TrackingEnded();
    // A scroll request of the control (the low word of its WM_HSCROLL or
    // WM_VSCROLL) names the part it came from.
    void ScrollRequest(int code);

    ScrollPart Hot() const { return hot_; }
    ScrollPart Pressed() const { return pressed_; }

    // What to paint with the pointer at p along the bar: the reported
    // thumb, or while the thumb is dragged, the thumb moved by the
    // pointer's travel since the press.
    ScrollBarState PaintState(bool vertical, bool enabled, const ScrollBarGeometry& bar,
                              int p) const;

  private:
    ScrollPart hot_ = ScrollPart::None;
    ScrollPart pressed_ = ScrollPart::None;
    int pressedAt_ = 0;
    int thumbStartAtPress_ = 0;
};

}  // namespace skin
