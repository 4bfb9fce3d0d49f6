// What a callback of the program was doing when it failed, which decides how
// the failure is reported.
#pragma once

namespace ui {

enum class TFailureKind {
    Command,   // a request of the user or of the program: input, commands, notifications
    Painting,  // painting, erasing, owner drawing, control colours
    Timer,     // a timer's tick
    Hook,      // a hook procedure
    System,    // any other message the system sends on its own (sizing, activation, hit tests)
};

}  // namespace ui
