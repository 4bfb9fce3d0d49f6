// The enumerations and sets of the skin data's published properties. Their
// names and order are part of the stored form data.
#pragma once

#include "skin/enum_set.h"

namespace skin {

// Which kinds of menus and controls are skinned, in bit order 0 to 21.
enum class TSkinControlType {
    xcMainMenu,
    xcPopupMenu,
    xcMenuItem,
    xcToolbar,
    xcControlbar,
    xcCombo,
    xcCheckBox,
    xcRadioButton,
    xcProgress,
    xcScrollbar,
    xcEdit,
    xcButton,
    xcBitBtn,
    xcSpeedButton,
    xcSpin,
    xcPanel,
    xcGroupBox,
    xcStatusBar,
    xcTab,
    xcTrackBar,
    xcSystemMenu,
    xcFastReport,
};
// Stored in 3 bytes.
using TSkinControls = EnumSet<TSkinControlType, 22>;

// Behaviour switches, bits 0 to 8.
enum class TSkinOption {
    xoMDIScrollbar,
    xoMenuMerge,
    xoTransparent,
    xoPreview,
    xoParentBackGround,
    xoNoFocusRect,
    xoToolbarBK,
    xoMDIChildBorder,
    xoMenuBG,
};
// Stored in 2 bytes.
using TSkinOptions = EnumSet<TSkinOption, 9>;

// Which windows a skin data component serves.
enum class TSkinFormType { sfMainform = 0, sfOnlyThisForm = 1, sfDialog = 2, sfDLL = 3 };

// Every kind but the owner-drawn items of main menus and the report
// designer's controls.
constexpr TSkinControls DefaultSkinControls() {
    return TSkinControls::All()
        .Without(TSkinControlType::xcMenuItem)
        .Without(TSkinControlType::xcFastReport);
}

constexpr TSkinOptions DefaultSkinOptions() {
    return {TSkinOption::xoPreview, TSkinOption::xoToolbarBK};
}

}  // namespace skin
