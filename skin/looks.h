// The states a control's picture shows, numbered as the slices (from 1) that
// hold them, and the fixed slice numbers of the pictures with a layout of
// their own. The skin painter lays its pictures out in this order.
#pragma once

namespace skin {

// Buttons, combo boxes and sunken edges, tabs, headers, track bar thumbs and
// the tool bar pictures.
enum class Look : int { Normal = 1, Pressed = 2, Disabled = 3, Hot = 4, Focused = 5 };

constexpr int SliceOf(Look look) {
    return static_cast<int>(look);
}

// Check boxes and radio buttons: the four looks without focus unchecked,
// then the same four checked.
constexpr int CheckBoxSlice(Look look, bool checked) {
    return (look == Look::Focused ? SliceOf(Look::Normal) : SliceOf(look)) + (checked ? 4 : 0);
}

// The 23 slices of the scroll bar picture: each arrow in four looks
// (normal, pressed, disabled, hot), the thumb's grip in three (normal,
// pressed, hot), and the square where two bars meet. The bars show the
// disabled arrows' looks nowhere yet; they are there for a disabled bar.
namespace scroll_slices {
constexpr int kLeftArrow = 1;
constexpr int kRightArrow = 5;
constexpr int kUpArrow = 9;
constexpr int kDownArrow = 13;
constexpr int kHorzGrip = 17;
constexpr int kVertGrip = 20;
constexpr int kCorner = 23;
constexpr int kPressed = 1;   // added to an arrow's or a grip's slice
constexpr int kDisabled = 2;  // added to an arrow's slice
constexpr int kHotArrow = 3;
constexpr int kHotGrip = 2;
}  // namespace scroll_slices

// Menu items: clear for a normal item (the menu's background shows), the
// separator line in the bottom rows of the second slice, the selected item.
namespace menu_item_slices {
constexpr int kNormal = 1;
constexpr int kSeparator = 2;
constexpr int kSelected = 4;
}  // namespace menu_item_slices

// Status bar panel edges.
namespace status_slices {
constexpr int kLowered = 1;
constexpr int kRaised = 2;
constexpr int kFlat = 3;
}  // namespace status_slices

// ExtraImages: the combo box arrow in the looks normal to hot, then the size
// grip of a status bar.
constexpr int kSizeGripSlice = 5;

}  // namespace skin
