#include "skin/push_button_tracker.h"

namespace skin {

ButtonReaction PushButtonTracker::On(ButtonInput input, bool focused, bool enabled) {
    ButtonReaction r;
    switch (input) {
        case ButtonInput::ButtonDown:
            r.takeFocus = !focused;
            pressed_ = true;
            r.quietPassOn = r.repaint = true;
            break;
        case ButtonInput::ButtonUp:
            // The control's own handling of the release clicks the button.
            if (pressed_) {
                pressed_ = false;
                r.quietPassOn = r.repaint = true;
            }
            break;
        case ButtonInput::SpaceDown:
            pressed_ = true;
            r.repaint = true;
            break;
        case ButtonInput::SpaceUp:
            pressed_ = false;
            r.repaint = true;
            break;
        case ButtonInput::PointerMove:
            if (enabled && !hot_) {
                hot_ = true;
                r.repaint = r.trackLeave = true;
            }
            break;
        case ButtonInput::PointerLeave:
            hot_ = pressed_ = false;
            r.repaint = true;
            break;
        case ButtonInput::EnabledChanged:
            // A disabled button takes no pointer; it must not come back hot
            // or pressed when it is enabled again.
            if (!enabled)
                hot_ = pressed_ = false;
            r.repaint = true;
            break;
        case ButtonInput::FocusChanged:
        case ButtonInput::TextChanged:
            r.repaint = true;
            break;
    }
    return r;
}

}  // namespace skin
