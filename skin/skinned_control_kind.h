// The members of the skinned-control family, as the control classification
// names them; the window half makes the object of the member it is told.
#pragma once

namespace skin {

enum class SkinnedControlKind {
    None,
    // The object the owner's OnSkinControl handler supplied.
    Supplied,
    TSkinButton,
    TSkinBitButton,
    TSkinSpeedButton,
    TSkinMenuButton,
    TSkinCheckBox,
    TSkinRadioButton,
    TSkinObjImage,
    TSkinComBox,
    TSkinEdit,
    TSkinDateTime,
    TSkinUpDown,
    TSkinGroupBox,
    TSkinBox,
    TSkinBoxH,
    TSkinStatusBar,
    TSkinTab,
    TSkinTab31,
    TSkinAdvPage,
    TSkinTabSheet,
    TSkinProgress,
    TSkinTrackBar,
    TSkinHeader,
    TSkinScrollbar,
    TSkinScrollbarH,
    TSkinListView,
    TSkinScControl,
    TSkinSizer,
    TSkinMP,
};

}  // namespace skin
