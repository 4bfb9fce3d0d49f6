// The pressed and hot states of a skinned push button, followed through the
// user's messages. The window half feeds it each message it sees and does
// what the reaction says; the focus and the enabled state are the window's
// own and are read at each message.
#pragma once

#include "skin/push_button_look.h"

namespace skin {

enum class ButtonInput {
    ButtonDown,      // left button down or double click
    ButtonUp,        // left button up
    SpaceDown,       // the space key pressed
    SpaceUp,         // and released
    PointerMove,     // the pointer moved over the button
    PointerLeave,    // the pointer left it
    FocusChanged,    // focus gained or lost
    EnabledChanged,  // enabled or disabled
    TextChanged,     // a new caption
};

struct ButtonReaction {
    // Focus the button before the control sees the message.
    bool takeFocus = false;
    // Pass the message on with the window's redraw switched off, so that
    // the control's own painting of its new state never shows.
    bool quietPassOn = false;
    bool repaint = false;
    // Ask to be told when the pointer leaves the button.
    bool trackLeave = false;

    bool operator==(const ButtonReaction&) const = default;
};

class PushButtonTracker {
  public:
    ButtonReaction On(ButtonInput input, bool focused, bool enabled);

    ButtonState State(bool focused, bool enabled) const {
        return {pressed_, hot_, focused, enabled};
    }

  private:
    bool pressed_ = false;
    bool hot_ = false;
};

}  // namespace skin
