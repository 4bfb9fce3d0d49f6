// Which skin objects each member of the family draws from: a control whose
// member finds them absent in the current skin keeps its ordinary look.
#pragma once

#include "skin/skin_definition.h"
#include "skin/skinned_control_kind.h"

namespace skin {

struct MemberFacts {
    SkinnedControlKind member = SkinnedControlKind::None;
    // Up-down buttons, track bars: which of their pictures they need.
    bool vertical = false;
    // TSkinObjImage's style: 2 a radio button, else a check box.
    int objImageStyle = 1;
    // TSkinSizer: the window is a size box (styles 0x8 or 0x10), drawn
    // without pictures, rather than a scroll bar.
    bool sizeBox = false;
};

// Whether the skin has what the member draws the control from:
//   the push buttons and TSkinMP: the Buttons picture;
//   check boxes, radio buttons, TSkinObjImage: their picture in Buttons;
//   TSkinComBox: ComboButton; TSkinUpDown: UpDown.Vert or UpDown.Horz;
//   the tab members: Tabs; TSkinProgress: Progress; TSkinHeader: Headerbar;
//   TSkinTrackBar: Track and ThumbHorz, or TRACKVERT and ThumbVert;
//   the scroll-bar members, and TSkinSizer on a scroll bar: Scrollbar;
//   edits, date-time pickers, group boxes, status bars, the boxes, pages
//   and size boxes draw from colours, or fall back on them, and always can,
//   as does an object the owner supplied.
bool SkinDrawsMember(const MemberFacts& facts, const SkinDefinition& skin);

}  // namespace skin
