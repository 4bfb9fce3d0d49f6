#include "skin/bare_window_class.h"

#include <string>

#include "skin/combo_box_look.h"
#include "text/text_rules.h"

namespace skin {
namespace {

// Button types, the low four style bits.
constexpr uint32_t kTypeMask = 0xF;
constexpr uint32_t kBitmapStyle = 0x80;
constexpr uint32_t kIconStyle = 0x40;

constexpr uint32_t kTabStopStyle = 0x10000;
constexpr uint32_t kOwnerDrawTabs = 0x2000;

BareWindowChoice Member(SkinnedControlKind member) {
    return {member, false, false, false};
}

SkinnedControlKind ButtonMember(uint32_t style) {
    if (style & (kBitmapStyle | kIconStyle))
        return SkinnedControlKind::None;
    switch (style & kTypeMask) {
        case 0x2:  // check box
        case 0x3:  // automatic check box
        case 0x5:  // three-state
        case 0x6:  // automatic three-state
            return SkinnedControlKind::TSkinCheckBox;
        case 0x4:  // radio button
        case 0x9:  // automatic radio button
            return SkinnedControlKind::TSkinRadioButton;
        case 0x7:  // group box
        case 0xB:  // owner-drawn
        case 0xE:  // command link
        case 0xF:  // default command link
            return SkinnedControlKind::None;
        case 0xC:  // split button
        case 0xD:  // default split button
            return SkinnedControlKind::TSkinMenuButton;
        default:
            return SkinnedControlKind::TSkinButton;
    }
}

}  // namespace

BareWindowChoice ClassifyBareWindow(const BareWindowFacts& f) {
    if (f.alreadySkinned)
        return {};
    const std::string name = text::LowerAscii(f.className);
    if (name == "button")
        return Member(ButtonMember(f.style));
    if (name == "combobox")
        return Member(IsSimpleCombo(f.style) ? SkinnedControlKind::None
                                             : SkinnedControlKind::TSkinComBox);
    if (name == "comboboxex32")
        return {SkinnedControlKind::TSkinComBox, true, false, false};
    if (name == "scrollbar")
        return Member(f.style & kTabStopStyle ? SkinnedControlKind::None
                                              : SkinnedControlKind::TSkinSizer);
    if (name == "systreeview32")
        return {};
    if (name == "#32770")
        return f.style & kTabStopStyle
                   ? BareWindowChoice{}
                   : BareWindowChoice{SkinnedControlKind::TSkinBoxH, false, true, false};
    if (name == "tpanel" || name == "ttntpanel.unicodeclass" ||
        name == "ttntsilentpaintpanel.unicodeclass")
        return {SkinnedControlKind::None, false, true, true};
    if (name == "tcheckbox")
        return Member(SkinnedControlKind::TSkinCheckBox);
    if (name == "tcombobox")
        return Member(SkinnedControlKind::TSkinComBox);
    if (name == "tbutton")
        return Member(SkinnedControlKind::TSkinButton);
    if (name == "tprogressbar")
        return Member(SkinnedControlKind::TSkinProgress);
    if (name == "tsilentpaintpanel")
        return {SkinnedControlKind::None, false, false, true};
    if (name == "systabcontrol32")
        return Member(f.style & kOwnerDrawTabs ? SkinnedControlKind::None
                                               : SkinnedControlKind::TSkinTab);
    if (name == "edit")
        return Member(SkinnedControlKind::TSkinEdit);
    return {};
}

}  // namespace skin
