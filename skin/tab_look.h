// Tab controls in the skin: page and tab controls (TSkinTab, and
// TSkinAdvPage for another library's page control) with their tabs from
// the Tabs picture and the pane from Tab.Pane, and tab sets (TSkinTab31),
// a row of tabs hanging below a page.
//
// The Tabs picture holds a tab standing on the pane's top edge in the looks
// normal, pressed (the selected tab), disabled, hot and focused; tabs on the
// other sides use it turned so that its top faces away from the pane. The
// selected tab stands out 2 pixels to each side and away from the pane,
// reaches 1 pixel over the pane's edge and is drawn without its own edge on
// the pane's side (its margin there cut off), so that it joins the pane; the
// focused look is not used, the focus shows as a focus rectangle around the
// selected tab's caption.
#pragma once

#include <string>
#include <vector>

#include "pixels/bitmap.h"
#include "skin/geometry.h"
#include "skin/looks.h"
#include "skin/skin_definition.h"
#include "skin/system_look.h"
#include "skin/text_painter.h"

namespace skin {

using pixels::Bitmap;

enum class TabSide { Top, Bottom, Left, Right };

struct TabItem {
    Rect place;  // as the control reports it, in the control's coordinates
    std::string caption;
};

struct TabStripFacts {
    std::vector<TabItem> tabs;
    int selected = -1;
    int hot = -1;
    bool enabled = true;
    bool focused = false;
    TabSide side = TabSide::Top;
    Colour fontColour = 0;
    bool focusRect = true;  // the skin data's Options lack xoNoFocusRect
};

// The selected tab pressed, else hot, else normal; disabled over all.
Look TabLook(const TabStripFacts& facts, int index);

// Where tab `index` is painted, in the control's coordinates: the selected
// tab grown as above.
Rect TabPlace(const TabStripFacts& facts, int index);

// The pane: the control less the band of the tabs on their side.
Rect TabPane(Size control, const TabStripFacts& facts);

// Composes a page or tab control over `place`: the pane (Tab.Pane, or the
// button face framed in ButtonShadow without it), then the tabs that are
// not selected, then the selected tab, each with its caption centred in the
// Tabs object's colour for its look (the system's button shadow when
// disabled).
void PaintTabControl(Bitmap& target, Rect place, const TabStripFacts& facts,
                     const SkinDefinition& skin, TextPainter& font, const SystemLook& system);

// Composes a tab set over `place`: the button face and the tabs hanging
// from its top edge (the facts' side is taken to be the bottom).
void PaintTabSet(Bitmap& target, Rect place, const TabStripFacts& facts, const SkinDefinition& skin,
                 TextPainter& font, const SystemLook& system);

}  // namespace skin
