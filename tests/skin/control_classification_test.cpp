// The classification of a skinned window's controls: the gate of rules 1
// to 3, the class map with its kinds, the three classes never skinned and
// the built-in table in its order.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "skin/class_map.h"
#include "skin/class_map_defaults.h"
#include "skin/control_classification.h"

using skin::ChildControls;
using skin::ClassificationContext;
using skin::ControlAnswer;
using skin::ControlFacts;
using skin::ControlGate;
using skin::ControlKind;
using skin::TSkinControls;
using skin::TSkinControlType;
using enum skin::TSkinControlType;

namespace {

// The answer in a few words: the member, then what else happens.
std::string Describe(const ControlAnswer& a) {
    static const char* const kMembers[] = {"none",           "supplied",         "TSkinButton",
                                           "TSkinBitButton", "TSkinSpeedButton", "TSkinMenuButton",
                                           "TSkinCheckBox",  "TSkinRadioButton", "TSkinObjImage",
                                           "TSkinComBox",    "TSkinEdit",        "TSkinDateTime",
                                           "TSkinUpDown",    "TSkinGroupBox",    "TSkinBox",
                                           "TSkinBoxH",      "TSkinStatusBar",   "TSkinTab",
                                           "TSkinTab31",     "TSkinAdvPage",     "TSkinTabSheet",
                                           "TSkinProgress",  "TSkinTrackBar",    "TSkinHeader",
                                           "TSkinScrollbar", "TSkinScrollbarH",  "TSkinListView",
                                           "TSkinScControl", "TSkinSizer",       "TSkinMP"};
    static const char* const kChildren[] = {"",
                                            " children first",
                                            " children after",
                                            " scroll-bar items",
                                            " radio items",
                                            " check items"};
    std::string s = kMembers[static_cast<int>(a.Attach)];
    if (a.ObjImageStyle)
        s += " style " + std::to_string(a.ObjImageStyle);
    if (a.SingleScrollBar)
        s += " single";
    if (a.GlyphFromPngImage)
        s += " png";
    s += kChildren[static_cast<int>(a.Children)];
    if (a.SetTransparent)
        s += " transparent";
    if (a.SetFlat)
        s += " flat";
    if (a.TakeOverCustomDraw)
        s += " custom draw";
    if (a.HandMenuToMenuSkinning)
        s += " menu";
    return s;
}

ControlFacts Control(std::vector<std::string> classNames, skin::ControlKinds kinds = {}) {
    ControlFacts f;
    f.ClassNames = std::move(classNames);
    f.Kinds = kinds;
    f.HasBorder = true;
    return f;
}

}  // namespace

TEST(ControlClassification, GatesDisabledHandledAndWindowlessControls) {
    struct Row {
        const char* className;
        int tag;
        bool parent;
        bool handled;
        bool toCreate;
        bool children;
        ControlGate gate;
    };
    const Row rows[] = {
        {"TButton", 0, true, false, false, false, ControlGate::Classify},
        {"TButton", 5, true, false, false, false, ControlGate::LeaveAlone},
        {"TButton", 99, true, false, false, false, ControlGate::Classify},
        {"TRzRadioGroup", 5, true, false, false, true, ControlGate::LeaveAloneDisablingChildren},
        {"TMyCheckGroupBox", 5, true, false, false, true, ControlGate::LeaveAloneDisablingChildren},
        {"TRzRadioGroup", 5, true, false, false, false, ControlGate::LeaveAlone},
        {"TButton", 0, false, false, false, false, ControlGate::LeaveAlone},
        {"TButton", 0, true, true, false, false, ControlGate::LeaveAlone},
        {"TButton", 0, true, false, true, false, ControlGate::CreateWindowFirst},
        // The Tag decides before the window is made.
        {"TButton", 5, true, false, true, false, ControlGate::LeaveAlone},
    };
    for (const Row& row : rows) {
        ControlFacts f = Control({row.className});
        f.Tag = row.tag;
        f.HasParent = row.parent;
        f.AlreadyHandled = row.handled;
        f.WindowToCreate = row.toCreate;
        f.HasChildControls = row.children;
        EXPECT_EQ(skin::GateControl(f, 5), row.gate) << row.className << " Tag " << row.tag;
    }
}

TEST(ControlClassification, FindsTheFirstClassMapLineOfAClassInAnyLetterCase) {
    const std::vector<std::string> map = {"TFoo=Edit",      "tfoo=panel",
                                          "TFooBar=BUTTON", "TBaz",
                                          "TEq=a=b",        "TLong=" + std::string(60, 'x')};
    EXPECT_EQ(skin::ClassMapKind(map, "TFOO"), "edit");
    EXPECT_EQ(skin::ClassMapKind(map, "tfoobar"), "button");
    EXPECT_EQ(skin::ClassMapKind(map, "TFO"), std::nullopt);
    EXPECT_EQ(skin::ClassMapKind(map, "TBAZ"), std::nullopt);
    EXPECT_EQ(skin::ClassMapKind(map, "TEQ"), "a=b");
    EXPECT_EQ(skin::ClassMapKind(map, "TLONG"), std::string(50, 'x'));
    // The default map: the earlier of two lines for one class.
    EXPECT_EQ(skin::ClassMapKind(skin::DefaultClassMap(), "TLMDGROUPBOX"), "panel");
    EXPECT_EQ(skin::ClassMapKind(skin::DefaultClassMap(), "TFORM1"), std::nullopt);
}

TEST(ControlClassification, GivesEachClassMapKindItsMemberWhenSkinControlsHasIt) {
    struct Row {
        const char* kind;
        std::optional<TSkinControlType> without;
        const char* expected;
        const char* className = "TOther";
        bool border = true;
        bool tabs = true;
        bool dropDown = false;
    };
    const Row rows[] = {
        {"nil", {}, "none"},
        {"combobox", {}, "TSkinComBox"},
        {"combobox", xcCombo, "none"},
        {"edit", {}, "TSkinEdit"},
        {"edit", {}, "none", "TOther", false},
        {"radiobutton", {}, "TSkinRadioButton"},
        {"panel", {}, "TSkinBox transparent"},
        {"trackbar", {}, "TSkinTrackBar transparent"},
        {"trackbar", xcButton, "none"},
        {"button", {}, "TSkinButton"},
        {"datetimepicker", {}, "TSkinDateTime"},
        {"bitbtn", {}, "TSkinBitButton"},
        {"bitbtn", {}, "TSkinMenuButton", "TcxButton", true, true, true},
        {"bitbtn", {}, "TSkinBitButton", "TcxButton"},
        {"bitbtn", xcButton, "none"},
        {"pngbitbtn", {}, "TSkinBitButton png"},
        {"speedbutton", {}, "TSkinSpeedButton"},
        {"tab", {}, "TSkinTab"},
        {"tab", {}, "none", "TOther", true, false},
        {"progress", {}, "TSkinProgress"},
        {"scrollbar", {}, "TSkinScrollbar children after"},
        {"scrollbar", xcScrollbar, "none"},
        {"singlescrollbar", {}, "TSkinScrollbar single"},
        {"embedscrollbar", {}, "none scroll-bar items"},
        {"container", {}, "none children first"},
        {"groupbox", {}, "TSkinGroupBox"},
        {"radiogroup", {}, "TSkinGroupBox radio items"},
        {"radiogroup", xcRadioButton, "TSkinGroupBox"},
        {"radiogroup", xcGroupBox, "none"},
        {"checkgroup", {}, "TSkinGroupBox check items"},
        {"checkgroup", xcGroupBox, "none check items"},
        {"checkgroup", xcRadioButton, "TSkinGroupBox"},
        {"checkgroup", xcPanel, "none"},
        {"checkbox", {}, "TSkinCheckBox"},
        {"frobnicator", {}, "none"},
    };
    const std::vector<std::string> map;
    for (const Row& row : rows) {
        TSkinControls controls = TSkinControls::All();
        if (row.without)
            controls.Exclude(*row.without);
        ControlFacts f = Control({row.className, "TWinControl"});
        f.HasBorder = row.border;
        f.DropDownKind = row.dropDown;
        const ClassificationContext context{map, controls, 99, row.tabs, false};
        EXPECT_EQ(Describe(skin::MapClassMapKind(row.kind, f, context)), row.expected)
            << row.kind << " " << row.className;
    }
}

namespace {

struct TableRow {
    const char* what;
    ControlFacts control;
    const char* expected;
    std::optional<TSkinControlType> without = std::nullopt;
    bool frameHandlesMenus = false;
};

ControlFacts WithMenu(ControlFacts f) {
    f.HasMenu = true;
    return f;
}

ControlFacts WithButtons(int count) {
    ControlFacts f = Control({"TDCEdit"}, {ControlKind::EmbeddedForm});
    f.NumButtons = count;
    return f;
}

ControlFacts Supplied(skin::ControlKinds kinds) {
    ControlFacts f = Control({"TRichEdit"}, kinds);
    f.SuppliedBySkinControl = true;
    return f;
}

}  // namespace

TEST(ControlClassification, FollowsTheOwnerTheClassMapAndTheBuiltInTableInOrder) {
    using K = ControlKind;
    const TableRow rows[] = {
        // The owner's handler, before everything else.
        {"supplied", Supplied({}), "supplied"},
        {"supplied panel", Supplied({K::Panel}), "supplied children after"},
        // The class map before the table; its own class only.
        {"mapped", Control({"TComboboxex"}), "TSkinComBox"},
        {"mapped nil", Control({"TNilled"}, {K::ComboBox}), "none"},
        {"mapped ancestor", Control({"TMyCombo", "TComboboxex"}), "none"},
        // Never skinned.
        {"TDBComboBoxEh", Control({"TDBComboBoxEh"}, {K::ComboBox}), "none"},
        {"TfrDesignerPage", Control({"TfrDesignerPage"}, {K::Panel}), "none"},
        // The built-in table.
        {"tool button", WithMenu(Control({"TToolButton"}, {K::ToolButton})), "none menu", {}, true},
        {"tool button, no skinned menu bar", WithMenu(Control({"TToolButton"}, {K::ToolButton})),
         "none"},
        {"tab set", Control({"TTabSet"}), "TSkinTab31"},
        {"tab set without xcTab", Control({"TTabSet"}), "none", xcTab},
        {"MVC panel", Control({"TMVCPanel"}, {K::Panel}), "none children first"},
        {"up-down", Control({"TUpDown"}), "TSkinUpDown"},
        {"spin button without xcSpin", Control({"TSpinButton"}), "none", xcSpin},
        {"navigator", Control({"TDBNavigator"}, {K::Panel}), "TSkinBox children after"},
        {"navigator without xcPanel", Control({"TDBNavigator"}, {K::Panel}), "none", xcPanel},
        {"Rz check box", Control({"TRzCheckBox"}), "TSkinObjImage style 1"},
        {"Rz radio button", Control({"TRzDBRadioButton"}), "TSkinObjImage style 2"},
        {"cx check box", Control({"TcxCheckBox"}), "TSkinObjImage style 3"},
        {"group box", Control({"TGroupBox"}, {K::GroupBox}), "TSkinGroupBox children first"},
        {"group box without xcPanel", Control({"TGroupBox"}, {K::GroupBox}), "none", xcPanel},
        {"tool bar", WithMenu(Control({"TToolBar"}, {K::ToolBar, K::Windowed})),
         "TSkinBox flat custom draw menu"},
        {"tool bar without a menu", Control({"TToolBar"}, {K::ToolBar}),
         "TSkinBox flat custom draw"},
        {"tool bar without xcToolbar", Control({"TToolBar"}, {K::ToolBar}), "none", xcToolbar},
        {"status bar", Control({"TStatusBar"}, {K::StatusBar}), "TSkinStatusBar"},
        // First match wins: a status bar is no scroll-bar control.
        {"status bar without xcStatusBar",
         Control({"TStatusBar"}, {K::StatusBar, K::Windowed, K::ScrollBarStyle}), "none",
         xcStatusBar},
        {"combo box", Control({"TComboBox"}, {K::ComboBox}), "TSkinComBox"},
        {"rich edit", Control({"TRichEdit"}, {K::Memo}), "TSkinScrollbar"},
        {"rich edit descendant", Control({"TMyRichEdit", "TRichEdit"}), "TSkinScrollbar"},
        {"panel", Control({"TPanel"}, {K::Panel}), "TSkinBox children first"},
        {"memo", Control({"TMemo"}, {K::Memo, K::EditBox}), "TSkinScrollbar"},
        {"memo without xcScrollbar", Control({"TMemo"}, {K::Memo, K::EditBox}), "none",
         xcScrollbar},
        {"scrolling window", Control({"TOther"}, {K::Windowed, K::ScrollBarStyle}),
         "TSkinScrollbar"},
        {"scroll style without a window", Control({"TOther"}, {K::ScrollBarStyle}), "none"},
        {"list box", Control({"TListBox"}, {K::ListBox}), "TSkinScrollbar"},
        {"push button", Control({"TButton"}, {K::PushButton}), "TSkinButton"},
        {"push button without xcButton", Control({"TButton"}, {K::PushButton}), "none", xcButton},
        {"edit box", Control({"TEdit"}, {K::EditBox}), "TSkinEdit"},
        {"embedded form", Control({"TForm2"}, {K::EmbeddedForm}), "TSkinBox children after"},
        {"dc edit with a button", WithButtons(1), "TSkinComBox"},
        {"dc edit without buttons", WithButtons(0), "TSkinEdit"},
        {"dc edit with two buttons", WithButtons(2), "none"},
        {"a label", Control({"TLabel"}), "none"},
    };
    const std::vector<std::string> map = {"TComboboxex=combobox", "TNilled=nil"};
    for (const TableRow& row : rows) {
        TSkinControls controls = TSkinControls::All();
        if (row.without)
            controls.Exclude(*row.without);
        const ClassificationContext context{map, controls, 99, true, row.frameHandlesMenus};
        EXPECT_EQ(Describe(skin::ClassifyControl(row.control, context)), row.expected) << row.what;
    }
}

TEST(ControlClassification, ClassifiesTheChildrenOfGroupsAndScrollBarContainers) {
    using K = ControlKind;
    struct Row {
        ChildControls group;
        ControlFacts child;
        const char* expected;
    };
    const Row rows[] = {
        {ChildControls::ScrollBarItems, Control({"TScrollBox"}, {K::ScrollBox, K::ScrollBarStyle}),
         "TSkinScControl"},
        {ChildControls::ScrollBarItems, Control({"TOther"}, {K::ScrollBarStyle}), "TSkinScrollbar"},
        {ChildControls::ScrollBarItems, Control({"TListBox"}, {K::ListBox}), "TSkinScrollbar"},
        {ChildControls::ScrollBarItems, Control({"TButton"}, {K::PushButton}), "none"},
        {ChildControls::RadioGroupItems, Control({"TRzRadioButton"}), "TSkinObjImage style 2"},
        {ChildControls::RadioGroupItems, Control({"TRadioButton"}), "TSkinRadioButton"},
        {ChildControls::CheckGroupItems, Control({"TRzCheckBox"}), "TSkinObjImage style 1"},
        {ChildControls::CheckGroupItems, Control({"TCheckBox"}), "TSkinCheckBox"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Describe(skin::ClassifyGroupChild(row.group, row.child)), row.expected)
            << row.child.ClassNames[0];
}
