// The members that serve bare windows: the child windows of a skinned
// window that have no framework object (the controls of message boxes and
// the common dialogs), chosen by class name and style.
#pragma once

#include <cstdint>
#include <string_view>

#include "skin/skinned_control_kind.h"

namespace skin {

struct BareWindowFacts {
    std::string_view className;  // in any letter case
    uint32_t style = 0;
    // The window already has a skinned-control object (it answers 0x3523).
    bool alreadySkinned = false;
};

struct BareWindowChoice {
    SkinnedControlKind member = SkinnedControlKind::None;
    // The member goes to the window's first child instead (comboboxex32).
    bool onFirstChild = false;
    // The window's children are classified too, before the member attaches.
    bool classifyChildren = false;
    // The window gets the skin's button face as its colour.
    bool buttonFaceColour = false;

    bool operator==(const BareWindowChoice&) const = default;
};

// First match wins:
//   "button": owner-drawn, group boxes, bitmap and icon buttons and command
//     links are not skinned; check-box types (2, 3, 5, 6) get TSkinCheckBox,
//     radio types (4, 9) TSkinRadioButton, split buttons TSkinMenuButton,
//     the rest TSkinButton;
//   "combobox" that is not simple (low two style bits not 1): TSkinComBox;
//   "comboboxex32": TSkinComBox on its first child;
//   "scrollbar" without style bit 0x10000: TSkinSizer;
//   "systreeview32": not skinned;
//   "#32770" (a nested dialog) without style bit 0x10000: its children, then
//     TSkinBoxH;
//   "tpanel", "ttntpanel.unicodeclass", "ttntsilentpaintpanel.unicodeclass":
//     its children, and the button face;
//   "tcheckbox": TSkinCheckBox; "tcombobox": TSkinComBox; "tbutton":
//     TSkinButton; "tprogressbar": TSkinProgress;
//   "tsilentpaintpanel": the button face;
//   "systabcontrol32" without style bit 0x2000: TSkinTab;
//   "edit": TSkinEdit;
//   anything else, and any window already skinned: nothing.
BareWindowChoice ClassifyBareWindow(const BareWindowFacts& facts);

}  // namespace skin
