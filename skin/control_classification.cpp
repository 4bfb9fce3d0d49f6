#include "skin/control_classification.h"

#include <algorithm>
#include <initializer_list>

#include "skin/class_map.h"
#include "text/text_rules.h"

namespace skin {
namespace {

using enum TSkinControlType;
using K = SkinnedControlKind;

ControlAnswer Attach(SkinnedControlKind kind, ChildControls children = ChildControls::Leave) {
    ControlAnswer answer;
    answer.Attach = kind;
    answer.Children = children;
    return answer;
}

ControlAnswer ObjImage(int style) {
    ControlAnswer answer = Attach(K::TSkinObjImage);
    answer.ObjImageStyle = style;
    return answer;
}

ControlAnswer Children(ChildControls children) {
    return Attach(K::None, children);
}

// The control's own class name in upper case; empty without one.
std::string OwnClass(const ControlFacts& control) {
    return control.ClassNames.empty() ? std::string() : text::UpperAscii(control.ClassNames[0]);
}

class BuiltInTable {
  public:
    BuiltInTable(const ControlFacts& control, const ClassificationContext& context)
        : f_(control), c_(context) {}

    ControlAnswer Classify() const {
        if (Is(ControlKind::ToolButton) && c_.FrameHandlesMenus) {
            ControlAnswer answer;
            answer.HandMenuToMenuSkinning = f_.HasMenu;
            return answer;
        }
        if (Of({"TTABSET"}))
            return Needs(xcTab, c_.SkinHasTabs ? Attach(K::TSkinTab31) : ControlAnswer{});
        if (Of({"TTABBEDNOTEBOOK"}))
            return Needs(xcTab, c_.SkinHasTabs ? Attach(K::TSkinTab) : ControlAnswer{});
        if (Of({"TMVCPANEL"}))
            return Children(ChildControls::ClassifyFirst);
        if (Of({"TUPDOWN", "TSPINBUTTON"}))
            return Needs(xcSpin, Attach(K::TSkinUpDown));
        if (Of({"TMEDIAPLAYER"}))
            return Needs(xcButton, Attach(K::TSkinMP));
        if (Of({"TDBNAVIGATOR"}))
            return Needs(xcPanel, Attach(K::TSkinBox, ChildControls::ClassifyAfter));
        if (Of({"TRZDBCHECKBOX", "TRZCHECKBOX"}))
            return Needs(xcCheckBox, ObjImage(1));
        if (Of({"TRZRADIOBUTTON", "TRZDBRADIOBUTTON"}))
            return Needs(xcRadioButton, ObjImage(2));
        if (Of({"TCXDBCHECKBOX", "TCXCHECKBOX"}))
            return Needs(xcCheckBox, ObjImage(3));
        if (Is(ControlKind::GroupBox))
            return Needs(xcPanel, Attach(K::TSkinGroupBox, ChildControls::ClassifyFirst));
        if (Is(ControlKind::ToolBar))
            return Needs(xcToolbar, ToolBar());
        if (Is(ControlKind::StatusBar))
            return Needs(xcStatusBar, Attach(K::TSkinStatusBar));
        if (Of({"TTNTCOMBOBOX"}) || Is(ControlKind::ComboBox))
            return Needs(xcCombo, Attach(K::TSkinComBox));
        if (Of({"TRICHEDIT", "TWWDBRICHEDIT", "TDXDBMEMO"}))
            return Needs(xcScrollbar, Attach(K::TSkinScrollbar));
        if (Is(ControlKind::Panel))
            return Needs(xcPanel, Attach(K::TSkinBox, ChildControls::ClassifyFirst));
        if (Of({"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"}) || Is(ControlKind::Memo))
            return Needs(xcScrollbar, Attach(K::TSkinScrollbar));
        if ((Is(ControlKind::Windowed) && Is(ControlKind::ScrollBarStyle)) ||
            Is(ControlKind::ListBox) || Is(ControlKind::TreeView)) {
            return Needs(xcScrollbar, Attach(K::TSkinScrollbar));
        }
        if (Is(ControlKind::PushButton))
            return Needs(xcButton, Attach(K::TSkinButton));
        if (Is(ControlKind::EditBox))
            return Needs(xcEdit, Attach(K::TSkinEdit));
        const bool dcEdit = Of({"TDCEDIT", "TDCDBEDIT"});
        if (Is(ControlKind::EmbeddedForm) && !dcEdit)
            return Attach(K::TSkinBox, ChildControls::ClassifyAfter);
        if (dcEdit) {
            if (f_.NumButtons == 1)
                return Needs(xcCombo, Attach(K::TSkinComBox));
            if (f_.NumButtons == 0)
                return Needs(xcEdit, Attach(K::TSkinEdit));
        }
        return {};
    }

  private:
    bool Is(ControlKind kind) const { return f_.Kinds.Contains(kind); }
    bool Of(std::initializer_list<std::string_view> upperNames) const {
        return std::any_of(upperNames.begin(), upperNames.end(),
                           [this](std::string_view name) { return f_.IsOfClass(name); });
    }
    ControlAnswer Needs(TSkinControlType member, ControlAnswer answer) const {
        return c_.Controls.Contains(member) ? answer : ControlAnswer{};
    }

    ControlAnswer ToolBar() const {
        ControlAnswer answer = Attach(K::TSkinBox);
        answer.SetFlat = true;
        answer.TakeOverCustomDraw = true;
        answer.HandMenuToMenuSkinning = f_.HasMenu;
        return answer;
    }

    const ControlFacts& f_;
    const ClassificationContext& c_;
};

}  // namespace

bool ControlFacts::IsOfClass(std::string_view upperName) const {
    return std::any_of(ClassNames.begin(), ClassNames.end(),
                       [&](const std::string& n) { return text::UpperAscii(n) == upperName; });
}

ControlGate GateControl(const ControlFacts& control, int disableTag) {
    if (control.Tag == disableTag) {
        const std::string lower = text::LowerAscii(OwnClass(control));
        const bool group = lower.find("radiogroup") != std::string::npos ||
                           lower.find("checkgroup") != std::string::npos;
        return group && control.HasChildControls ? ControlGate::LeaveAloneDisablingChildren
                                                 : ControlGate::LeaveAlone;
    }
    if (!control.HasParent || control.AlreadyHandled)
        return ControlGate::LeaveAlone;
    return control.WindowToCreate ? ControlGate::CreateWindowFirst : ControlGate::Classify;
}

ControlAnswer ClassifyControl(const ControlFacts& control, const ClassificationContext& context) {
    if (control.SuppliedBySkinControl) {
        return Attach(K::Supplied, control.Kinds.Contains(ControlKind::Panel)
                                       ? ChildControls::ClassifyAfter
                                       : ChildControls::Leave);
    }
    const std::string ownClass = OwnClass(control);
    if (const std::optional<std::string> kind = ClassMapKind(context.ClassMap, ownClass))
        return MapClassMapKind(*kind, control, context);
    if (ownClass == "TDBCOMBOBOXEH" || ownClass == "TFRDESIGNERPAGE" || ownClass == "TFRPBOX")
        return {};
    return BuiltInTable(control, context).Classify();
}

ControlAnswer ClassifyGroupChild(ChildControls group, const ControlFacts& child) {
    const bool otherLibrary = OwnClass(child).find("TRZ") != std::string::npos;
    switch (group) {
        case ChildControls::ScrollBarItems:
            if (child.Kinds.Contains(ControlKind::ScrollBox))
                return Attach(K::TSkinScControl);
            if (child.Kinds.Contains(ControlKind::ScrollBarStyle) ||
                child.Kinds.Contains(ControlKind::ListBox) ||
                child.Kinds.Contains(ControlKind::Memo) ||
                child.Kinds.Contains(ControlKind::TreeView)) {
                return Attach(K::TSkinScrollbar);
            }
            return {};
        case ChildControls::RadioGroupItems:
            return otherLibrary ? ObjImage(2) : Attach(K::TSkinRadioButton);
        case ChildControls::CheckGroupItems:
            return otherLibrary ? ObjImage(1) : Attach(K::TSkinCheckBox);
        default:
            return {};
    }
}

}  // namespace skin
