// The members of the skinned control family, named as the window half's
// classes that serve each kind of control.
#pragma once

namespace skin {

enum class ControlMember {
    None,
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
