// What a skinned frame knows of its window, decided from the style bits and
// other facts the window half reads.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "skin/frame_metrics.h"
#include "skin/skin_data_types.h"
#include "skin/system_numbers.h"

namespace skin {

enum class ShowState { Normal = 0, Maximised = 1, Minimised = 2 };
enum class MdiRole { None = 0, Frame = 1, Child = 2 };

struct WindowStyleFacts {
    bool ThickFrame = false;     // WS_THICKFRAME
    bool Caption = false;        // both bits of WS_CAPTION
    bool ModalFrame = false;     // DS_MODALFRAME, or WS_EX_DLGMODALFRAME
    bool MaximizeBox = false;    // WS_MAXIMIZEBOX
    bool MinimizeBox = false;    // WS_MINIMIZEBOX
    bool SysMenu = false;        // WS_SYSMENU
    bool HasSystemMenu = false;  // the window has a system menu handle
    bool AppWindow = false;      // WS_EX_APPWINDOW
    bool MdiChild = false;       // WS_EX_MDICHILD
    bool LeftScrollBar = false;  // WS_EX_LEFTSCROLLBAR: laid out right to left
    bool HasOwner = false;
    bool HasMdiClient = false;  // a child window of class "MDIClient"
    std::string ClassName;
};

// The system's version, which decides the caption-style mode.
struct SystemVersion {
    bool Nt = true;
    int Major = 5;
    int Minor = 0;
};

struct FrameFacts {
    FrameKind Kind = FrameKind::Sizeable;
    bool DialogClass = false;
    bool MaximiseBox = false;
    bool MinimiseBox = false;
    bool SystemMenu = false;
    // The frame takes WS_CAPTION out of the style while it draws the frame
    // and puts it back while the window is minimised or unskinned.
    bool CaptionStyleMode = false;
    bool RightToLeft = false;
    MdiRole Mdi = MdiRole::None;
};

// Sizeable with a thick frame, else fixed; without both caption bits no
// caption; a modal frame or a dialog class a dialog frame; the later rules
// win.
FrameFacts ReadFrameFacts(const WindowStyleFacts& style, SystemVersion version);

// "#32770" (the system's dialogs) and "TMessageForm", in any letter case.
bool IsDialogClass(std::string_view className);

// Whether the frame is drawn in the skin: the skin data skins main menus,
// except for MDI children when it leaves their borders to the system.
bool FrameSkinned(TSkinControls controls, TSkinOptions options, bool mdiChild);

// From GetWindowPlacement's show command.
ShowState ShowStateFromShowCommand(int showCommand);
// From WM_SIZE's request; none for the requests sent to other windows.
std::optional<ShowState> ShowStateFromSizeRequest(int request);
// From a system command that changes it; none for the others.
std::optional<ShowState> ShowStateAfterCommand(SystemCommand command);

}  // namespace skin
