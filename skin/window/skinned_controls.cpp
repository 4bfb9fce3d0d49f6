#include "skin/window/skinned_controls.h"

#include <algorithm>

#include "skin/bare_window_class.h"
#include "skin/window/engine_messages.h"
#include "skin/window/media_player_panel.h"
#include "skin/window/skin_box.h"
#include "skin/window/skin_button.h"
#include "skin/window/skin_check_box.h"
#include "skin/window/skin_combo_box.h"
#include "skin/window/skin_edit.h"
#include "skin/window/skin_group_box.h"
#include "skin/window/skin_header.h"
#include "skin/window/skin_progress.h"
#include "skin/window/skin_scroll_bar.h"
#include "skin/window/skin_sizer.h"
#include "skin/window/skin_status_bar.h"
#include "skin/window/skin_tab.h"
#include "skin/window/skin_track_bar.h"
#include "skin/window/skin_up_down.h"
#include "skin/window/window_facts.h"

namespace skin::window {
namespace {

using K = SkinnedControlKind;

// The members that wear the skin's button face in place of the control's
// colour while skinned.
bool ChangesColour(K member) {
    switch (member) {
        case K::TSkinBox:
        case K::TSkinGroupBox:
        case K::TSkinStatusBar:
        case K::TSkinTabSheet:
        case K::TSkinCheckBox:
        case K::TSkinRadioButton:
        case K::TSkinTrackBar:
            return true;
        default:
            return false;
    }
}

// Nested dialogs inside nested dialogs end somewhere.
constexpr int kDeepestNesting = 8;

}  // namespace

std::unique_ptr<TSkinControl> MakeSkinnedControl(K member, const ControlContext& context,
                                                 const ControlAnswer& answer) {
    switch (member) {
        case K::TSkinButton:
        case K::TSkinBitButton:
        case K::TSkinSpeedButton:
        case K::TSkinMenuButton:
            return std::make_unique<TSkinButton>(context, member);
        case K::TSkinCheckBox:
        case K::TSkinRadioButton:
        case K::TSkinObjImage:
            return std::make_unique<TSkinCheckBox>(context, member, answer.ObjImageStyle);
        case K::TSkinEdit:
        case K::TSkinDateTime:
            return std::make_unique<TSkinEdit>(context, member);
        case K::TSkinUpDown:
            return std::make_unique<TSkinUpDown>(context);
        case K::TSkinGroupBox:
            return std::make_unique<TSkinGroupBox>(context);
        case K::TSkinTab:
        case K::TSkinTab31:
        case K::TSkinAdvPage:
            return std::make_unique<TSkinTab>(context, member);
        case K::TSkinProgress:
            return std::make_unique<TSkinProgress>(context);
        case K::TSkinTrackBar:
            return std::make_unique<TSkinTrackBar>(context);
        case K::TSkinHeader:
            return std::make_unique<TSkinHeader>(context);
        case K::TSkinSizer:
            return std::make_unique<TSkinSizer>(context);
        case K::TSkinMP:
            return std::make_unique<TSkinMP>(context);
        case K::TSkinComBox:
            return std::make_unique<TSkinComBox>(context);
        case K::TSkinStatusBar:
            return std::make_unique<TSkinStatusBar>(context);
        case K::TSkinBox:
        case K::TSkinBoxH:
        case K::TSkinTabSheet:
            return std::make_unique<TSkinBox>(context, member);
        case K::TSkinScrollbar:
        case K::TSkinScrollbarH:
        case K::TSkinListView:
        case K::TSkinScControl:
            return std::make_unique<TSkinScrollbar>(
                context, member, answer.SingleScrollBar || member == K::TSkinScrollbarH);
        case K::None:
        case K::Supplied:
            break;
    }
    return nullptr;
}

SkinnedControls::SkinnedControls(const ControlContext& context, std::function<bool()> frameRunning)
    : context_(context), frameRunning_(std::move(frameRunning)) {}

SkinnedControls::~SkinnedControls() {
    DetachAll();
}

TSkinControl* SkinnedControls::Find(HWND window) const {
    for (const Entry& e : entries_) {
        if (e.object->Window() == window && e.object->State() == LifeState::Attached)
            return e.object.get();
    }
    return nullptr;
}

std::vector<TSkinControl*> SkinnedControls::Objects() const {
    std::vector<TSkinControl*> out;
    for (const Entry& e : entries_)
        out.push_back(e.object.get());
    return out;
}

void SkinnedControls::Take(std::vector<ClassifiedControl>& controls) {
    Purge();
    for (ClassifiedControl& c : controls) {
        if (!c.Control->Handle() || Find(c.Control->Handle()))
            continue;
        if (c.Supplied)
            AttachSupplied(*c.Control, std::move(c.Supplied), c.Answer);
        else
            Attach(*c.Control, c.Answer);
    }
}

void SkinnedControls::AttachSupplied(ui::TControl& control, std::unique_ptr<TSkinControl> object,
                                     const ControlAnswer& answer) {
    if (object->State() != LifeState::Attached)
        object->AttachControl(control, ChangesColour(object->Member()));
    entries_.push_back({std::move(object), &control, answer});
}

void SkinnedControls::Attach(ui::TControl& control, const ControlAnswer& answer) {
    if (answer.SetFlat || answer.SetTransparent) {
        control.SetProperty(answer.SetFlat ? "Flat" : "Transparent", true);
        if (answer.SetFlat && answer.SetTransparent)
            control.SetProperty("Transparent", true);
    }
    if (answer.TakeOverCustomDraw) {
        const bool drawn = std::any_of(toolBars_.begin(), toolBars_.end(), [&](const auto& t) {
            return t->Window() == control.Handle();
        });
        if (!drawn) {
            toolBars_.push_back(std::make_unique<ToolBarDrawing>(control, context_.Data,
                                                                 context_.Look, frameRunning_));
        }
    }
    std::unique_ptr<TSkinControl> object = MakeSkinnedControl(answer.Attach, context_, answer);
    if (!object)
        return;
    object->AttachControl(control, ChangesColour(answer.Attach));
    entries_.push_back({std::move(object), &control, answer});
}

void SkinnedControls::TakeChildWindows(HWND parent) {
    Purge();
    TakeChildWindowsOf(parent, 0);
}

void SkinnedControls::TakeChildWindowsOf(HWND parent, int depth) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string className = ClassNameOf(child);
        BareWindowFacts facts;
        facts.className = className;
        facts.style = static_cast<uint32_t>(GetWindowLongW(child, GWL_STYLE));
        facts.alreadySkinned =
            Find(child) || SendMessageW(child, kAlreadySkinnedMessage, 0, 0) == 1;
        const BareWindowChoice choice = ClassifyBareWindow(facts);
        if (choice.classifyChildren && depth < kDeepestNesting)
            TakeChildWindowsOf(child, depth + 1);
        // A panel that only takes the button face gets the member that
        // erases a bare window in it.
        const K member =
            choice.member == K::None && choice.buttonFaceColour ? K::TSkinBox : choice.member;
        if (member == K::None)
            continue;
        const HWND target = choice.onFirstChild ? GetWindow(child, GW_CHILD) : child;
        if (target && !Find(target))
            AttachBare(target, member);
    }
}

void SkinnedControls::AttachBare(HWND window, K member) {
    std::unique_ptr<TSkinControl> object = MakeSkinnedControl(member, context_);
    if (!object)
        return;
    object->AttachWindow(window);
    ControlAnswer answer;
    answer.Attach = member;
    entries_.push_back({std::move(object), nullptr, answer});
}

void SkinnedControls::Purge() {
    std::erase_if(entries_,
                  [](const Entry& e) { return e.object->State() == LifeState::WindowDestroyed; });
    std::erase_if(toolBars_, [](const auto& t) { return !IsWindow(t->Window()); });
}

void SkinnedControls::Refresh() {
    Purge();
    for (Entry& e : entries_)
        e.object->Refresh();
}

void SkinnedControls::Recreate(HWND window) {
    ui::TControl* control = ui::TControl::FromHandle(window);
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
        return e.object->Window() == window || (control && e.control == control);
    });
    if (found == entries_.end())
        return;
    const ControlAnswer answer = found->answer;
    found->object->Detach();
    entries_.erase(found);
    if (control)
        Attach(*control, answer);
    else if (IsWindow(window))
        AttachBare(window, answer.Attach);
}

void SkinnedControls::DetachAll() {
    toolBars_.clear();
    // The last made first: a group's items before the group.
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it)
        it->object->Detach();
    entries_.clear();
}

}  // namespace skin::window
