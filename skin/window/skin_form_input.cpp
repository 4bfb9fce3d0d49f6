// The frame's mouse and keyboard: the window's own hit-testing revised for
// the skinned caption, the caption bar's elements tracked as the pointer
// moves and clicks, and the system commands. The portable rules decide;
// this file gathers the facts and carries the answers out.
#include "skin/key_menu.h"
#include "skin/nc_hit_test.h"
#include "skin/window/engine_messages.h"
#include "skin/window/skin_form.h"
#include "skin/window/skin_manager.h"

namespace skin::window {
namespace {

Point ScreenPoint(LPARAM lParam) {
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

Point TSkinForm::WindowPoint(LPARAM screen) const {
    // The client area lies inside the skinned frame, so this is the point's
    // place from the window's top-left corner.
    const Point clientOnScreen{windowRect_.left + metrics_.BorderLeft,
                               windowRect_.top + metrics_.CaptionHeight + metrics_.MenuBarHeight};
    return ScreenToWindow(ScreenPoint(screen), clientOnScreen, metrics_, false);
}

TNcElement* TSkinForm::ElementAt(Point inWindow) {
    std::span<TMenuBarButton> menuButtons;
    if (menuBar_)
        menuButtons = menuBar_->Buttons();
    return FindElement(inWindow, buttons_, menuButtons);
}

FrameMouseFacts TSkinForm::MouseFacts(bool askCloseItem) const {
    FrameMouseFacts f;
    f.Active = active_;
    f.Show = show_;
    f.MaximiseBox = facts_.MaximiseBox;
    f.SystemMenu = facts_.SystemMenu;
    f.SystemMenuHasClose = askCloseItem && systemMenu_ &&
                           GetMenuState(systemMenu_, SC_CLOSE, MF_BYCOMMAND) != UINT(-1);
    f.Mdi = facts_.Mdi;
    return f;
}

void TSkinForm::OnHitTest(ui::TMessage& m, const ui::NextHandler& next) {
    next(m);
    const auto answer = static_cast<HitCode>(m.Result);
    if (answer == HitCode::Nowhere || answer == HitCode::Caption)
        m.Result = static_cast<intptr_t>(ReviseHitTest(answer, WindowPoint(m.LParam), metrics_));
}

bool TSkinForm::OnNonClientMouse(ui::TMessage& m, const ui::NextHandler& next) {
    const Point at = WindowPoint(m.LParam);
    TNcElement* element = ElementAt(at);
    FrameAnswer answer;
    switch (m.Msg) {
        case WM_NCMOUSEMOVE:
            answer = NcMouseMove(*this, element, MouseFacts(false));
            break;
        case WM_NCLBUTTONDOWN:
            answer =
                NcLeftButtonDown(*this, element, static_cast<HitCode>(m.WParam), MouseFacts(false));
            if (auto* button = dynamic_cast<TMenuBarButton*>(element))
                OpenButtonMenu(*button);
            break;
        case WM_NCLBUTTONUP:
            answer = NcLeftButtonUp(*this, element, ScreenPoint(m.LParam), MouseFacts(true));
            break;
        case WM_NCLBUTTONDBLCLK:
            answer = NcLeftDoubleClick(element, MouseFacts(false));
            break;
        case WM_NCRBUTTONDOWN:
            answer = NcRightButtonDown(static_cast<HitCode>(m.WParam), ScreenPoint(m.LParam),
                                       MouseFacts(false));
            break;
        default:
            return false;
    }
    Carry(answer, m, next);
    return true;
}

void TSkinForm::Carry(const FrameAnswer& answer, ui::TMessage& m, const ui::NextHandler& next) {
    if (answer.NewShowState)
        show_ = *answer.NewShowState;
    if (answer.StopHoverTimer)
        StopHoverTimer();
    if (answer.ClearHotElement)
        ClearHotElement();
    if (answer.PutBackSysMenuStyle)
        SetStyleBits(WS_SYSMENU, 0);
    const auto command = static_cast<WPARAM>(answer.Command);
    switch (answer.Effect) {
        case FrameEffect::PassOn:
            if (m.Msg == WM_NCLBUTTONDOWN)
                m.WParam = static_cast<uintptr_t>(answer.PassOnHitCode);
            next(m);
            return;
        case FrameEffect::Consumed:
            break;
        case FrameEffect::PostSystemCommand:
            PostMessageW(window_, WM_SYSCOMMAND, command, 0);
            break;
        case FrameEffect::OpenSystemMenu:
            OpenSystemMenu(answer.MenuAt);
            break;
        case FrameEffect::PostCaptionAction:
            PostMessageW(window_, kCaptionActionMessage, static_cast<WPARAM>(answer.Action), 0);
            break;
        case FrameEffect::SendToActiveMdiChild:
            // Only an MDI frame is told this, and this program makes none.
            break;
        case FrameEffect::PostClose:
            PostMessageW(window_, WM_CLOSE, 0, 0);
            break;
    }
    m.Result = 0;
}

void TSkinForm::OnSystemCommand(ui::TMessage& m, const ui::NextHandler& next) {
    if (menuOpen_ || state_ != SkinState::Running) {
        next(m);
        return;
    }
    const auto command = static_cast<SystemCommand>(m.WParam & 0xFFF0);
    if (command == SystemCommand::KeyMenu) {
        std::span<const TMenuBarButton> menuButtons;
        if (menuBar_)
            menuButtons = menuBar_->Buttons();
        const KeyMenuAnswer answer =
            DecideKeyMenu(static_cast<uint32_t>(m.LParam), GetCapture() != nullptr, menuButtons);
        switch (answer.Effect) {
            case KeyMenuEffect::OpenMenuBarButton: {
                TMenuBarButton& button = menuBar_->Buttons()[answer.Button];
                button.MouseDown(*this);
                OpenButtonMenu(button);
                m.Result = 1;
                return;
            }
            case KeyMenuEffect::OpenSystemMenu: {
                POINT corner{0, 0};
                ClientToScreen(window_, &corner);
                OpenSystemMenu({corner.x, corner.y});
                m.Result = 0;
                return;
            }
            case KeyMenuEffect::PassOn:
                break;
        }
    }
    if (const auto show = ShowStateAfterCommand(command))
        show_ = *show;
    next(m);
}

void TSkinForm::StartHoverTimer() {
    if (!hoverTimer_)
        hoverTimer_ = SetTimer(window_, kHoverTimer, 250, nullptr) != 0;
}

void TSkinForm::StopHoverTimer() {
    if (hoverTimer_)
        KillTimer(window_, kHoverTimer);
    hoverTimer_ = false;
}

void TSkinForm::CheckHover() {
    if (menuOpen_ || !HotElement())
        return;
    POINT pointer;
    GetCursorPos(&pointer);
    NcElementHost::CheckHover({pointer.x - windowRect_.left, pointer.y - windowRect_.top});
}

}  // namespace skin::window
