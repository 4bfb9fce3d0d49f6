#include "skin/scroll_overlay_tracker.h"

namespace skin {
namespace {

ScrollPart PartAt(int p, const ScrollBarGeometry& bar) {
    return ScrollPartAt(p, bar.length, bar.arrow, bar.thumbStart, bar.thumbEnd);
}

}  // namespace

bool ScrollOverlayTracker::PointerMove(int p, const ScrollBarGeometry& bar) {
    const ScrollPart part = PartAt(p, bar);
    if (part == hot_)
        return false;
    hot_ = part;
    return true;
}

bool ScrollOverlayTracker::PointerLeave(bool buttonDown) {
    if (buttonDown)
        return false;
    hot_ = ScrollPart::None;
    return true;
}

void ScrollOverlayTracker::ButtonDown(int p, const ScrollBarGeometry& bar) {
    pressed_ = PartAt(p, bar);
    pressedAt_ = p;
    thumbStartAtPress_ = bar.thumbStart;
}

void ScrollOverlayTracker::TrackingEnded() {
    pressed_ = ScrollPart::None;
}

void ScrollOverlayTracker::ScrollRequest(int code) {
    switch (code) {
        case static_cast<int>(ScrollPart::LineUp):
        case static_cast<int>(ScrollPart::LineDown):
        case static_cast<int>(ScrollPart::PageUp):
        case static_cast<int>(ScrollPart::PageDown):
        case static_cast<int>(ScrollPart::Thumb):
            hot_ = static_cast<ScrollPart>(code);
            return;
        default:
            hot_ = ScrollPart::None;
    }
}

ScrollBarState ScrollOverlayTracker::PaintState(bool vertical, bool enabled,
                                                const ScrollBarGeometry& bar, int p) const {
    ScrollBarState s;
    s.Vertical = vertical;
    s.Enabled = enabled;
    s.Hot = hot_;
    s.Pressed = pressed_;
    s.ThumbStart = bar.thumbStart;
    s.ThumbEnd = bar.thumbEnd;
    if (pressed_ == ScrollPart::Thumb) {
        const int thumbLength = bar.thumbEnd - bar.thumbStart;
        s.ThumbStart = DraggedThumbStart(thumbStartAtPress_, p - pressedAt_, bar.length, bar.arrow,
                                         thumbLength);
        s.ThumbEnd = s.ThumbStart + thumbLength;
    }
    return s;
}

}  // namespace skin
