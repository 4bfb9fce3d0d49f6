// A window message as the widget objects pass it along their handler chain.
#pragma once

#include <cstdint>
#include <functional>

namespace ui {

struct TMessage {
    uint32_t Msg = 0;
    uintptr_t WParam = 0;
    intptr_t LParam = 0;
    intptr_t Result = 0;
};

// A message handler: a control's own handling, at the end of its chain of
// handlers (ui/handler_chain.h).
using TWndMethod = std::function<void(TMessage&)>;

// Notifications of the widget layer itself, in the private range of
// window messages (beside the system's own and the skin engine's).
enum : uint32_t {
    CM_BASE = 0xB000,
    CM_ENABLEDCHANGED = CM_BASE + 1,
    CM_VISIBLECHANGED = CM_BASE + 2,
    CM_MOUSEENTER = CM_BASE + 3,
    CM_MOUSELEAVE = CM_BASE + 4,
    CM_FOCUSCHANGED = CM_BASE + 5,
    CM_MENUCHANGED = CM_BASE + 6,
    CM_RECREATEWND = CM_BASE + 7,
    CM_DIALOGKEY = CM_BASE + 8,
    CM_DIALOGCHAR = CM_BASE + 9,
    // Posted to the report window: show the oldest queued error report.
    CM_ERRORREPORT = CM_BASE + 10,
    // Messages a parent reflects to the child control they concern; the child
    // gets the system's message number added to this base.
    CN_BASE = 0xBC00,
};

}  // namespace ui
