// Which skinned control each control of a skinned window gets. The window
// half reads the facts of the control (its class names, which kinds of
// framework control it is, its Tag) and carries out the answer.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "skin/enum_set.h"
#include "skin/skin_data_types.h"
#include "skin/skinned_control_kind.h"

namespace skin {

// Kinds of framework control; a control of a class derived from one is of
// that kind too.
enum class ControlKind {
    ToolButton,
    GroupBox,
    ToolBar,
    StatusBar,
    ComboBox,
    Panel,
    Memo,
    ListBox,
    TreeView,
    PushButton,
    EditBox,
    // A form placed inside the window.
    EmbeddedForm,
    ScrollBox,
    // Has a window of its own (rather than being drawn on its parent).
    Windowed,
    // Its window has a horizontal or vertical scroll bar style.
    ScrollBarStyle,
};
using ControlKinds = EnumSet<ControlKind, 15>;

struct ControlFacts {
    int Tag = 0;
    // The control's class name, then its ancestors', in any letter case: a
    // test for a class holds for the classes derived from it.
    std::vector<std::string> ClassNames;
    ControlKinds Kinds;
    bool HasParent = true;
    // It answers 0x3523 with 1, or the frame already holds an object for it.
    bool AlreadyHandled = false;
    // A windowed control whose window does not exist yet.
    bool WindowToCreate = false;
    bool HasChildControls = false;
    // A tool bar with a menu, or a tool button with a drop-down menu.
    bool HasMenu = false;
    // Its window rectangle differs in size from its client rectangle.
    bool HasBorder = false;
    // Its Kind property reads "cxbkDropDownButton".
    bool DropDownKind = false;
    // Its integer property NumButtons; -1 without one.
    int NumButtons = -1;
    // The owner's OnSkinControl handler supplied a skinned-control object.
    bool SuppliedBySkinControl = false;

    // Whether it is of the class, or derived from it; `upperName` in upper
    // case.
    bool IsOfClass(std::string_view upperName) const;
};

// What the classification works with besides the control.
struct ClassificationContext {
    const std::vector<std::string>& ClassMap;
    TSkinControls Controls;
    int DisableTag = 99;
    bool SkinHasTabs = false;
    // The frame draws its window's menus (it has a skinned menu bar).
    bool FrameHandlesMenus = false;
};

// What happens to a control's child controls.
enum class ChildControls {
    Leave,
    // Each is classified as a control of its own, before the control itself
    // gets its skinned control.
    ClassifyFirst,
    // The same, after.
    ClassifyAfter,
    // Each child, before: ChildOfGroup answers for it.
    ScrollBarItems,
    RadioGroupItems,
    CheckGroupItems,
};

struct ControlAnswer {
    SkinnedControlKind Attach = SkinnedControlKind::None;
    // TSkinObjImage: 1 check box, 2 radio button, 3 the check box of the cx
    // library.
    int ObjImageStyle = 0;
    // TSkinScrollbar for a single scroll bar.
    bool SingleScrollBar = false;
    // TSkinBitButton takes its glyph from the property "PngImage".
    bool GlyphFromPngImage = false;
    ChildControls Children = ChildControls::Leave;
    // Properties set before the skinned control is attached.
    bool SetTransparent = false;
    bool SetFlat = false;
    // The frame draws the tool bar's background and buttons where the
    // owner has no handlers of its own.
    bool TakeOverCustomDraw = false;
    // The tool bar's top menu items, or the tool button's drop-down item,
    // go to the menu skinning.
    bool HandMenuToMenuSkinning = false;

    bool operator==(const ControlAnswer&) const = default;
};

// Rules 1 to 3, before the owner's handler is asked.
enum class ControlGate {
    LeaveAlone,
    // The Tag disables the control; a group's child controls get the Tag
    // too.
    LeaveAloneDisablingChildren,
    // Create the control's window, then classify it; leave it alone when
    // that fails.
    CreateWindowFirst,
    Classify,
};
ControlGate GateControl(const ControlFacts& control, int disableTag);

// Rules 4 to 7: the owner's handler, the class map, the three classes never
// skinned, then the built-in table, the first matching row deciding.
ControlAnswer ClassifyControl(const ControlFacts& control, const ClassificationContext& context);

// A child of a control whose answer says ScrollBarItems, RadioGroupItems or
// CheckGroupItems.
ControlAnswer ClassifyGroupChild(ChildControls group, const ControlFacts& child);

}  // namespace skin
