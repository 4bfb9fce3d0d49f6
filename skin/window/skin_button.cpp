#include "skin/window/skin_button.h"

#include "skin/window/window_facts.h"
#include "ui/message.h"

namespace skin::window {
namespace {

bool IsSpace(const ui::TMessage& m) {
    return m.WParam == VK_SPACE;
}

}  // namespace

TSkinButton::TSkinButton(const ControlContext& context, SkinnedControlKind member)
    : TSkinButton(context, MemberFacts{member}) {}

TSkinButton::TSkinButton(const ControlContext& context, const MemberFacts& member)
    : TSkinControl(context, member),
      dropDown_(member.member == SkinnedControlKind::TSkinMenuButton) {}

bool TSkinButton::BeforeMessage(ui::TMessage& m, const ui::NextHandler& next) {
    if (PaintAlone(m))
        return false;
    switch (m.Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            const ButtonReaction r = tracker_.On(ButtonInput::ButtonDown, Focused(), Enabled());
            if (r.takeFocus)
                SetFocus(Window());
            QuietPassOn(m, next);
            PaintWindow(nullptr);
            return false;
        }
        case WM_LBUTTONUP: {
            const ButtonReaction r = tracker_.On(ButtonInput::ButtonUp, Focused(), Enabled());
            if (!r.quietPassOn)
                return true;
            QuietPassOn(m, next);
            if (IsWindowVisible(Window()))
                Repaint();
            return false;
        }
        default:
            return TSkinControl::BeforeMessage(m, next);
    }
}

void TSkinButton::QuietPassOn(ui::TMessage& m, const ui::NextHandler& next) {
    SendMessageW(Window(), WM_SETREDRAW, FALSE, 0);
    next(m);
    SendMessageW(Window(), WM_SETREDRAW, TRUE, 0);
}

void TSkinButton::AfterMessage(ui::TMessage& m) {
    switch (m.Msg) {
        case WM_KEYDOWN:
            if (IsSpace(m))
                On(ButtonInput::SpaceDown);
            break;
        case WM_KEYUP:
            if (IsSpace(m))
                On(ButtonInput::SpaceUp);
            break;
        case WM_MOUSEMOVE:
            On(ButtonInput::PointerMove);
            break;
        case WM_MOUSELEAVE:
            On(ButtonInput::PointerLeave);
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case ui::CM_FOCUSCHANGED:
        case ui::CM_DIALOGKEY:
            On(ButtonInput::FocusChanged);
            break;
        case WM_ENABLE:
        case ui::CM_ENABLEDCHANGED:
            On(ButtonInput::EnabledChanged);
            break;
        case WM_SETTEXT:
            On(ButtonInput::TextChanged);
            break;
        case BM_SETSTATE:
        case BM_SETCHECK:
        case BM_SETSTYLE:
        case WM_UPDATEUISTATE:
            // The system's button paints itself at once, not through
            // WM_PAINT, when the dialog manager presses it (Enter, a
            // mnemonic), makes it the default or shows its accelerators,
            // and at a new check mark.
            Repaint();
            break;
        default:
            break;
    }
}

void TSkinButton::On(ButtonInput input) {
    // The focus and the enabled state are asked only for the messages that
    // change the look: each is a question to the window server.
    const ButtonReaction reaction = tracker_.On(input, Focused(), Enabled());
    if (reaction.trackLeave)
        TrackPointerLeave();
    if (reaction.repaint)
        Repaint();
}

PushButtonFacts TSkinButton::Facts(const SkinDefinition& skin) {
    PushButtonFacts f;
    f.state = StateNow();
    f.caption = Caption();
    f.dropDown = dropDown_;
    f.fontColour = FontColour();
    ButtonBackgroundFacts background;
    const std::string className = Control() ? Control()->ClassName() : ClassNameOf(Window());
    background.className = className;
    background.tag = Control() ? Control()->Tag : 0;
    background.transparentOption = HasOption(TSkinOption::xoTransparent);
    background.parentColour = ParentColour();
    f.background = PushButtonBackground(background, skin);
    f.focusRect = !HasOption(TSkinOption::xoNoFocusRect);
    f.rightToLeft = (GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
    return f;
}

void TSkinButton::DrawControl(HDC dc, Rect place, const SkinDefinition& skin) {
    Bitmap picture(place.Width(), place.Height());
    PaintPushButton(picture, place, Facts(skin), skin, Font(Ampersand::MarksAccelerator), Look());
    Blit(dc, picture, place);
}

}  // namespace skin::window
