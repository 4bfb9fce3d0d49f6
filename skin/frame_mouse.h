// The skinned frame's answers to the mouse on its non-client area: the
// tracking of caption bar elements, the caption buttons' actions, double
// clicks, right clicks and the system menu. The window half carries the
// answers out, posting every system command to the window itself so that
// its own handling of them applies.
#pragma once

#include <cstdint>
#include <optional>

#include "skin/frame_facts.h"
#include "skin/geometry.h"
#include "skin/nc_element.h"
#include "skin/system_numbers.h"

namespace skin {

// What the window's state says for the mouse rules.
struct FrameMouseFacts {
    bool Active = true;
    ShowState Show = ShowState::Normal;
    bool MaximiseBox = false;
    // The window has a system menu, and that menu has an SC_CLOSE item.
    bool SystemMenu = false;
    bool SystemMenuHasClose = false;
    MdiRole Mdi = MdiRole::None;
};

enum class FrameEffect {
    // The message goes on to the window's previous procedure.
    PassOn,
    // The message is consumed and nothing more happens.
    Consumed,
    // Post WM_SYSCOMMAND with Command to the window.
    PostSystemCommand,
    // Open the skinned system menu at MenuAt (screen coordinates).
    OpenSystemMenu,
    // Post 0x3514 with Action to the window: a caption button of the
    // skin's own.
    PostCaptionAction,
    // Send WM_SYSCOMMAND with Command to the MDI client's active child.
    SendToActiveMdiChild,
    // Post WM_CLOSE to the window.
    PostClose,
};

struct FrameAnswer {
    FrameEffect Effect = FrameEffect::Consumed;
    SystemCommand Command = SystemCommand::Close;
    Point MenuAt;
    int Action = 0;
    // The hit code a button-down is passed on with.
    HitCode PassOnHitCode = HitCode::Nowhere;
    // Set ahead of the command.
    std::optional<ShowState> NewShowState;
    bool StopHoverTimer = false;
    bool ClearHotElement = false;
    // WS_SYSMENU goes back into the style before the window is minimised.
    bool PutBackSysMenuStyle = false;

    bool operator==(const FrameAnswer&) const = default;
};

// The action of a caption button released at `buttonUp` (screen): close,
// maximise or restore, minimise or restore, the system menu, the three MDI
// child commands, or the skin's own action.
FrameAnswer CaptionButtonAction(int action, Point buttonUp, const FrameMouseFacts& window);

// WM_NCMOUSEMOVE over `element` (or none).
FrameAnswer NcMouseMove(NcElementHost& frame, TNcElement* element, const FrameMouseFacts& window);
// WM_NCLBUTTONDOWN; `hit` is the message's hit code. An inactive window is
// brought to the front before its element is pressed (the repaint would
// forget the pressed element). A maximised window's caption is passed on as
// the menu, so that it cannot be dragged.
FrameAnswer NcLeftButtonDown(NcElementHost& frame, TNcElement* element, HitCode hit,
                             const FrameMouseFacts& window);
// WM_NCLBUTTONUP at `screen`: a caption button acts only when the button
// went down on it and the pointer has not left it since.
FrameAnswer NcLeftButtonUp(NcElementHost& frame, TNcElement* element, Point screen,
                           const FrameMouseFacts& window);
// WM_NCLBUTTONDBLCLK: the icon button closes the window, the caption
// maximises or restores it.
FrameAnswer NcLeftDoubleClick(const TNcElement* element, const FrameMouseFacts& window);
// WM_NCRBUTTONDOWN at `screen`: the caption opens the system menu.
FrameAnswer NcRightButtonDown(HitCode hit, Point screen, const FrameMouseFacts& window);

// Opening the system menu at `at`: a second opening within the double-click
// time of the last closes the window instead, while a caption element is
// hot. The window half records `now` when the answer opens the menu.
FrameAnswer OpenSystemMenu(Point at, uint32_t now, uint32_t lastOpened, uint32_t doubleClickTime,
                           bool hotElement);

}  // namespace skin
