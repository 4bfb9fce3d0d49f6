#include "skin/tab_look.h"

#include <algorithm>
#include <utility>

#include "skin/control_colours.h"
#include "skin/focus_rect.h"
#include "skin/nine_slice.h"
#include "skin/pixel_ops.h"
#include "skin/rect_fill.h"
#include "skin/skin_object_drawing.h"

namespace skin {
namespace {

// One look of the Tabs picture turned for the side, with its margins.
struct TurnedTab {
    Bitmap picture;
    Margins margins;
};

TurnedTab TurnTab(const TSkinObject& tabs, int slice, TabSide side) {
    const Bitmap cut =
        Crop(tabs.Image, SliceRect(tabs.Image, tabs.Frame, slice, SliceLayout::SideBySide));
    const Margins m = tabs.GetMargins();
    switch (side) {
        case TabSide::Bottom:
            return {Flip(cut), {m.left, m.bottom, m.right, m.top}};
        case TabSide::Left:
            return {RotateAnticlockwise(cut), {m.top, m.right, m.bottom, m.left}};
        case TabSide::Right:
            return {RotateClockwise(cut), {m.bottom, m.left, m.top, m.right}};
        case TabSide::Top:
            break;
    }
    return {cut, m};
}

// The selected tab opens into the pane: its edge on the pane's side is cut
// off, so that its face runs on over the pane's edge.
TurnedTab OpenTowardsPane(TurnedTab tab, TabSide side) {
    Rect keep{0, 0, tab.picture.Width(), tab.picture.Height()};
    Margins& m = tab.margins;
    switch (side) {
        case TabSide::Top:
            keep.bottom -= std::exchange(m.bottom, 0);
            break;
        case TabSide::Bottom:
            keep.top += std::exchange(m.top, 0);
            break;
        case TabSide::Left:
            keep.right -= std::exchange(m.right, 0);
            break;
        case TabSide::Right:
            keep.left += std::exchange(m.left, 0);
            break;
    }
    if (!keep.Empty())
        tab.picture = Crop(tab.picture, keep);
    return tab;
}

void PaintTab(Bitmap& target, Rect place, const TabStripFacts& f, int index,
              const TSkinObject& tabs, TextPainter& font, const SystemLook& system) {
    const Look look = TabLook(f, index);
    const Rect r = Offset(TabPlace(f, index), place.left, place.top);
    TurnedTab tab = TurnTab(tabs, SliceOf(look), f.side);
    if (index == f.selected)
        tab = OpenTowardsPane(std::move(tab), f.side);
    const Scaling scaling = tabs.Tile == 1 ? Scaling::Tile : Scaling::Stretch;
    DrawNineSlice(target, r, tab.picture, {0, 0, tab.picture.Width(), tab.picture.Height()},
                  tab.margins, {scaling, scaling, tabs.Trans != 0});
    const std::string& caption = f.tabs[index].caption;
    if (caption.empty())
        return;
    font.Draw(target, r, caption, ObjectTextColour(tabs, look, system), TextAlign::Centre);
    if (index == f.selected && f.focused && f.focusRect)
        DrawCaptionFocusRect(target, r, font.Measure(caption), TextAlign::Centre, r);
}

void PaintTabs(Bitmap& target, Rect place, const TabStripFacts& f, const TSkinObject& tabs,
               TextPainter& font, const SystemLook& system) {
    for (int i = 0; i < static_cast<int>(f.tabs.size()); ++i) {
        if (i != f.selected)
            PaintTab(target, place, f, i, tabs, font, system);
    }
    if (f.selected >= 0 && f.selected < static_cast<int>(f.tabs.size()))
        PaintTab(target, place, f, f.selected, tabs, font, system);
}

}  // namespace

Look TabLook(const TabStripFacts& f, int index) {
    if (!f.enabled)
        return Look::Disabled;
    if (index == f.selected)
        return Look::Pressed;
    if (index == f.hot)
        return Look::Hot;
    return Look::Normal;
}

Rect TabPlace(const TabStripFacts& f, int index) {
    Rect r = f.tabs[index].place;
    if (index != f.selected)
        return r;
    switch (f.side) {
        case TabSide::Top:
            return {r.left - 2, r.top - 2, r.right + 2, r.bottom + 1};
        case TabSide::Bottom:
            return {r.left - 2, r.top - 1, r.right + 2, r.bottom + 2};
        case TabSide::Left:
            return {r.left - 2, r.top - 2, r.right + 1, r.bottom + 2};
        case TabSide::Right:
            return {r.left - 1, r.top - 2, r.right + 2, r.bottom + 2};
    }
    return r;
}

Rect TabPane(Size control, const TabStripFacts& f) {
    Rect pane{0, 0, control.width, control.height};
    for (const TabItem& tab : f.tabs) {
        switch (f.side) {
            case TabSide::Top:
                pane.top = std::max(pane.top, tab.place.bottom);
                break;
            case TabSide::Bottom:
                pane.bottom = std::min(pane.bottom, tab.place.top);
                break;
            case TabSide::Left:
                pane.left = std::max(pane.left, tab.place.right);
                break;
            case TabSide::Right:
                pane.right = std::min(pane.right, tab.place.left);
                break;
        }
    }
    return pane;
}

void PaintTabControl(Bitmap& target, Rect place, const TabStripFacts& f, const SkinDefinition& skin,
                     TextPainter& font, const SystemLook& system) {
    const Rect pane = Offset(TabPane({place.Width(), place.Height()}, f), place.left, place.top);
    if (skin.TabPane && !skin.TabPane->Image.Empty()) {
        DrawObjectState(target, pane, *skin.TabPane, 1);
    } else {
        FillRect(target, pane, PixelOf(skin.Colours.ButtonFace, system));
        FrameRect(target, pane, PixelOf(skin.Colours.ButtonShadow, system));
    }
    if (skin.Tabs && !skin.Tabs->Image.Empty())
        PaintTabs(target, place, f, *skin.Tabs, font, system);
}

void PaintTabSet(Bitmap& target, Rect place, const TabStripFacts& facts, const SkinDefinition& skin,
                 TextPainter& font, const SystemLook& system) {
    FillRect(target, place, PixelOf(skin.Colours.ButtonFace, system));
    TabStripFacts hanging = facts;
    hanging.side = TabSide::Bottom;
    if (skin.Tabs && !skin.Tabs->Image.Empty())
        PaintTabs(target, place, hanging, *skin.Tabs, font, system);
}

}  // namespace skin
