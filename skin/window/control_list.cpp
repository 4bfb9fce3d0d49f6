#include "skin/window/control_list.h"

#include <windows.h>

#include "skin/window/engine_messages.h"
#include "skin/window/skin_control_handler.h"
#include "text/text_rules.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/list_box.h"
#include "ui/memo.h"
#include "ui/status_bar.h"
#include "ui/tool_bar.h"
#include "ui/tree_view.h"

namespace skin::window {
namespace {

template <class Kind>
bool Is(const ui::TControl& control) {
    return dynamic_cast<const Kind*>(&control) != nullptr;
}

class Walk {
  public:
    Walk(const ClassificationContext& context, TSkinForm& sender, ui::TControl& form,
         TSkinData& data)
        : context_(context), sender_(sender), form_(form), data_(data) {}

    void Control(ui::TControl& control) {
        ControlFacts facts = FactsOf(control);
        switch (GateControl(facts, data_.DisableTag)) {
            case ControlGate::LeaveAlone:
            case ControlGate::CreateWindowFirst:  // every control of ours has its window
                return;
            case ControlGate::LeaveAloneDisablingChildren:
                for (ui::TControl* child : control.Controls())
                    child->Tag = data_.DisableTag;
                return;
            case ControlGate::Classify:
                break;
        }
        std::unique_ptr<TSkinControl> supplied = AskOwner(control);
        facts.SuppliedBySkinControl = supplied != nullptr;
        const ControlAnswer answer = ClassifyControl(facts, context_);
        if (answer.Children == ChildControls::ClassifyFirst)
            Children(control);
        else if (answer.Children != ChildControls::Leave &&
                 answer.Children != ChildControls::ClassifyAfter)
            GroupItems(control, answer.Children);
        if (answer.Attach != SkinnedControlKind::None)
            out.push_back({&control, answer, std::move(supplied)});
        if (answer.Children == ChildControls::ClassifyAfter)
            Children(control);
    }

    void Children(ui::TControl& parent) {
        for (ui::TControl* child : parent.Controls())
            Control(*child);
    }

    std::vector<ClassifiedControl> out;

  private:
    std::unique_ptr<TSkinControl> AskOwner(ui::TControl& control) {
        std::unique_ptr<TSkinControl> result;
        if (data_.OnSkinControl && data_.OnSkinControl->Handle) {
            const SkinControlEvent event{sender_, data_, form_, control,
                                         text::UpperAscii(control.ClassName())};
            data_.OnSkinControl->Handle(event, result);
        }
        return result;
    }

    void GroupItems(ui::TControl& group, ChildControls kind) {
        for (ui::TControl* child : group.Controls()) {
            const ControlAnswer answer = ClassifyGroupChild(kind, FactsOf(*child));
            if (answer.Attach != SkinnedControlKind::None)
                out.push_back({child, answer, nullptr});
        }
    }

    const ClassificationContext& context_;
    TSkinForm& sender_;
    ui::TControl& form_;
    TSkinData& data_;
};

}  // namespace

ControlFacts FactsOf(const ui::TControl& control) {
    ControlFacts facts;
    facts.Tag = control.Tag;
    facts.ClassNames.push_back(control.ClassName());
    if (Is<ui::TForm>(control))
        facts.ClassNames.push_back("TForm");
    facts.HasParent = control.Parent() != nullptr;
    facts.HasChildControls = !control.Controls().empty();
    const HWND window = control.Handle();
    if (window) {
        facts.Kinds.Include(ControlKind::Windowed);
        facts.AlreadyHandled = SendMessageW(window, kAlreadySkinnedMessage, 0, 0) == 1;
        const LONG style = GetWindowLongW(window, GWL_STYLE);
        if (style & (WS_HSCROLL | WS_VSCROLL))
            facts.Kinds.Include(ControlKind::ScrollBarStyle);
        RECT outer, inner;
        GetWindowRect(window, &outer);
        GetClientRect(window, &inner);
        facts.HasBorder =
            outer.right - outer.left != inner.right || outer.bottom - outer.top != inner.bottom;
    }
    const struct {
        bool is;
        ControlKind kind;
    } kinds[] = {
        {Is<ui::TGroupBox>(control), ControlKind::GroupBox},
        {Is<ui::TToolBar>(control), ControlKind::ToolBar},
        {Is<ui::TStatusBar>(control), ControlKind::StatusBar},
        {Is<ui::TComboBox>(control), ControlKind::ComboBox},
        {Is<ui::TMemo>(control), ControlKind::Memo},
        {Is<ui::TListBox>(control), ControlKind::ListBox},
        {Is<ui::TTreeView>(control), ControlKind::TreeView},
        {Is<ui::TButton>(control), ControlKind::PushButton},
        {control.Parent() != nullptr && Is<ui::TForm>(control), ControlKind::EmbeddedForm},
    };
    for (const auto& k : kinds) {
        if (k.is)
            facts.Kinds.Include(k.kind);
    }
    return facts;
}

std::vector<ClassifiedControl> ClassifyControls(TSkinForm& sender, ui::TControl& form,
                                                TSkinData& data, bool frameHandlesMenus) {
    const SkinSnapshot skin = data.Skin();
    const ClassificationContext context{data.ClassMap, data.SkinControls, data.DisableTag,
                                        skin->Tabs != nullptr, frameHandlesMenus};
    Walk walk(context, sender, form, data);
    walk.Children(form);
    return std::move(walk.out);
}

}  // namespace skin::window
