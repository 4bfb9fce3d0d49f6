#include "skin/scroll_bar_look.h"

#include <algorithm>

#include "skin/control_colours.h"
#include "skin/looks.h"
#include "skin/nine_slice.h"
#include "skin/rect_fill.h"
#include "skin/skin_object_drawing.h"

namespace skin {
namespace {

// A rectangle given along the bar and across it, in the target.
Rect Along(Rect place, bool vertical, int from, int to, int acrossFrom, int acrossTo) {
    if (vertical)
        return {place.left + acrossFrom, place.top + from, place.left + acrossTo, place.top + to};
    return {place.left + from, place.top + acrossFrom, place.left + to, place.top + acrossTo};
}

void DrawSlice(Bitmap& target, Rect to, const TSkinObject& o, int slice) {
    DrawNineSlice(target, to, o.Image, SliceRect(o.Image, o.Frame, slice, SliceLayout::SideBySide),
                  {}, {Scaling::Stretch, Scaling::Stretch, true});
}

int ArrowSlice(int first, ScrollPart part, const ScrollBarState& s) {
    if (s.Pressed == part)
        return first + scroll_slices::kPressed;
    if (s.Hot == part && s.Pressed == ScrollPart::None)
        return first + scroll_slices::kHotArrow;
    return first;
}

}  // namespace

int ArrowLength(int length, int arrow) {
    return length < 2 * arrow ? length / 2 : arrow;
}

ScrollPart ScrollPartAt(int p, int length, int arrow, int thumbStart, int thumbEnd) {
    arrow = ArrowLength(length, arrow);
    if (p < 0 || p >= length)
        return ScrollPart::None;
    if (p < arrow)
        return ScrollPart::LineUp;
    if (p < thumbStart)
        return ScrollPart::PageUp;
    if (p < thumbEnd)
        return ScrollPart::Thumb;
    if (p < length - arrow)
        return ScrollPart::PageDown;
    return ScrollPart::LineDown;
}

int DraggedThumbStart(int startAtPress, int travel, int length, int arrow, int thumbLength) {
    const int a = ArrowLength(length, arrow);
    const int last = std::max(a, length - a - thumbLength);
    return std::clamp(startAtPress + travel, a, last);
}

void PaintScrollBar(Bitmap& target, Rect place, const SkinDefinition& skin,
                    const ScrollBarState& state, int arrow, const SystemLook& look) {
    if (!skin.Scrollbar || skin.Scrollbar->Image.Empty())
        return;
    const TSkinObject& picture = *skin.Scrollbar;
    const bool vertical = state.Vertical;
    const int length = vertical ? place.Height() : place.Width();
    const int across = vertical ? place.Width() : place.Height();
    const int t = std::abs(picture.Image.Height() - arrow) > 2 ? arrow : picture.Image.Height();
    const int a = ArrowLength(length, arrow);

    FillRect(target, place, PixelOf(skin.Colours.ButtonFace, look));
    const std::unique_ptr<TSkinObject>& track = vertical ? skin.VertScroll : skin.HorzScroll;
    if (track && !track->Image.Empty())
        DrawObjectState(target, Along(place, vertical, a, length - a, 0, across), *track,
                        state.Enabled ? 1 : 3);

    namespace ss = scroll_slices;
    DrawSlice(target, Along(place, vertical, 0, a, 0, t), picture,
              ArrowSlice(vertical ? ss::kUpArrow : ss::kLeftArrow, ScrollPart::LineUp, state));
    DrawSlice(target, Along(place, vertical, length - a, length, 0, t), picture,
              ArrowSlice(vertical ? ss::kDownArrow : ss::kRightArrow, ScrollPart::LineDown, state));

    const std::unique_ptr<TSkinObject>& thumb =
        vertical ? skin.VertScrollThumb : skin.HorzScrollThumb;
    const int start = state.ThumbStart;
    const int end = state.ThumbEnd;
    if (!thumb || thumb->Image.Empty() || start < 0 || end > length || end <= start)
        return;
    const bool pressed = state.Pressed == ScrollPart::Thumb;
    const bool hot = state.Hot == ScrollPart::Thumb;
    DrawObjectState(target, Along(place, vertical, start, end, 0, t), *thumb,
                    pressed ? 2
                    : hot   ? 3
                            : 1);
    const int grip = picture.Image.Height();
    if (grip < end - start + 2) {
        const int g = start + (end - start - grip) / 2;
        DrawSlice(target, Along(place, vertical, g, g + grip, 0, t), picture,
                  (vertical ? ss::kVertGrip : ss::kHorzGrip) + (pressed ? ss::kPressed
                                                                : hot   ? ss::kHotGrip
                                                                        : 0));
    }
}

Rect ScrollCorner(Rect vertical, Rect horizontal) {
    return {vertical.left, horizontal.top, vertical.right, horizontal.bottom};
}

void PaintScrollCorner(Bitmap& target, Rect corner, const SkinDefinition& skin,
                       const SystemLook& look) {
    FillRect(target, corner, PixelOf(skin.Colours.ButtonFace, look));
}

}  // namespace skin
