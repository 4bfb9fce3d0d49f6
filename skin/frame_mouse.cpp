#include "skin/frame_mouse.h"

#include "skin/caption_buttons.h"

namespace skin {
namespace {

FrameAnswer Post(SystemCommand command) {
    FrameAnswer a;
    a.Effect = FrameEffect::PostSystemCommand;
    a.Command = command;
    return a;
}

FrameAnswer Restore() {
    FrameAnswer a = Post(SystemCommand::Restore);
    a.NewShowState = ShowState::Normal;
    return a;
}

FrameAnswer Maximise() {
    FrameAnswer a = Post(SystemCommand::Maximize);
    a.NewShowState = ShowState::Maximised;
    a.ClearHotElement = true;
    return a;
}

FrameAnswer ToActiveMdiChild(SystemCommand command, const FrameMouseFacts& window) {
    if (window.Mdi != MdiRole::Frame)
        return {};
    FrameAnswer a;
    a.Effect = FrameEffect::SendToActiveMdiChild;
    a.Command = command;
    return a;
}

FrameAnswer PassOn(HitCode hit = HitCode::Nowhere) {
    FrameAnswer a;
    a.Effect = FrameEffect::PassOn;
    a.PassOnHitCode = hit;
    return a;
}

bool IsIconButtonElement(const TNcElement* element) {
    const auto* button = dynamic_cast<const TCaptionButton*>(element);
    return button && IsIconButton(button->Button());
}

}  // namespace

FrameAnswer CaptionButtonAction(int action, Point buttonUp, const FrameMouseFacts& window) {
    switch (action) {
        case 0: {
            if (!window.SystemMenuHasClose)
                return {};
            FrameAnswer a = Post(SystemCommand::Close);
            a.StopHoverTimer = true;
            return a;
        }
        case 1:
        case 22:
            return window.Show == ShowState::Maximised ? Restore() : Maximise();
        case 2:
        case 23: {
            if (window.Show == ShowState::Minimised)
                return Restore();
            FrameAnswer a = Post(SystemCommand::Minimize);
            a.NewShowState = ShowState::Minimised;
            a.PutBackSysMenuStyle = window.SystemMenu;
            return a;
        }
        case 3:
        case 11:
        case 12: {
            FrameAnswer a;
            a.Effect = FrameEffect::OpenSystemMenu;
            a.MenuAt = {buttonUp.x + 1, buttonUp.y + 1};
            return a;
        }
        case 7:
        case 60:
            return ToActiveMdiChild(SystemCommand::Minimize, window);
        case 8:
        case 61:
            return ToActiveMdiChild(SystemCommand::Restore, window);
        case 9:
        case 62:
            return ToActiveMdiChild(SystemCommand::Close, window);
        default: {
            FrameAnswer a;
            a.Effect = FrameEffect::PostCaptionAction;
            a.Action = action;
            return a;
        }
    }
}

FrameAnswer NcMouseMove(NcElementHost& frame, TNcElement* element, const FrameMouseFacts& window) {
    if (!window.Active)
        return PassOn();
    if (element) {
        element->MouseEnter(frame);
        return {};
    }
    if (TNcElement* hot = frame.HotElement())
        hot->MouseLeave(frame);
    return PassOn();
}

FrameAnswer NcLeftButtonDown(NcElementHost& frame, TNcElement* element, HitCode hit,
                             const FrameMouseFacts& window) {
    if (element) {
        if (!window.Active)
            frame.BringToFront();
        element->MouseDown(frame);
        return {};
    }
    if (window.Show == ShowState::Maximised && window.Active && hit == HitCode::Caption)
        return PassOn(HitCode::Menu);
    return PassOn(hit);
}

FrameAnswer NcLeftButtonUp(NcElementHost& frame, TNcElement* element, Point screen,
                           const FrameMouseFacts& window) {
    if (!element)
        return PassOn();
    auto* button = dynamic_cast<TCaptionButton*>(element);
    if (!button || frame.HotElement() != element || button->State != ElementState::Pressed)
        return {};
    button->MouseUp(frame);
    return CaptionButtonAction(button->Button().Action, screen, window);
}

FrameAnswer NcLeftDoubleClick(const TNcElement* element, const FrameMouseFacts& window) {
    if (IsIconButtonElement(element)) {
        FrameAnswer a = Post(SystemCommand::Close);
        a.StopHoverTimer = true;
        return a;
    }
    if (element)
        return {};
    if (window.Show != ShowState::Normal)
        return Restore();
    if (window.MaximiseBox)
        return Maximise();
    return PassOn();
}

FrameAnswer NcRightButtonDown(HitCode hit, Point screen, const FrameMouseFacts& window) {
    if (hit != HitCode::Caption || window.Mdi == MdiRole::Child)
        return PassOn(hit);
    FrameAnswer a;
    a.Effect = FrameEffect::OpenSystemMenu;
    a.MenuAt = screen;
    return a;
}

FrameAnswer OpenSystemMenu(Point at, uint32_t now, uint32_t lastOpened, uint32_t doubleClickTime,
                           bool hotElement) {
    FrameAnswer a;
    // Unsigned, so that the tick count's wrap after 49 days changes nothing.
    if (now - lastOpened > doubleClickTime) {
        a.Effect = FrameEffect::OpenSystemMenu;
        a.MenuAt = at;
    } else if (hotElement) {
        a.Effect = FrameEffect::PostClose;
        a.StopHoverTimer = true;
    }
    return a;
}

}  // namespace skin
