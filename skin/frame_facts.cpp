#include "skin/frame_facts.h"

#include "text/text_rules.h"

namespace skin {

FrameFacts ReadFrameFacts(const WindowStyleFacts& style, SystemVersion version) {
    FrameFacts f;
    f.DialogClass = IsDialogClass(style.ClassName);
    f.Kind = style.ThickFrame ? FrameKind::Sizeable : FrameKind::Fixed;
    if (!style.Caption)
        f.Kind = FrameKind::NoCaption;
    if (style.ModalFrame || f.DialogClass)
        f.Kind = FrameKind::Dialog;
    f.MaximiseBox = style.MaximizeBox;
    f.MinimiseBox = style.MinimizeBox;
    f.SystemMenu = style.SysMenu || style.HasSystemMenu;
    f.CaptionStyleMode = version.Nt && version.Major > 4 && version.Minor == 0 &&
                         (style.AppWindow || (!style.HasOwner && !style.MdiChild));
    f.RightToLeft = style.LeftScrollBar;
    if (style.MdiChild) {
        f.Mdi = MdiRole::Child;
    } else if (style.HasMdiClient) {
        f.Mdi = MdiRole::Frame;
    }
    return f;
}

bool IsDialogClass(std::string_view className) {
    const std::string lower = text::LowerAscii(className);
    return lower == "#32770" || lower == "tmessageform";
}

bool FrameSkinned(TSkinControls controls, TSkinOptions options, bool mdiChild) {
    if (mdiChild && options.Contains(TSkinOption::xoMDIChildBorder))
        return false;
    return controls.Contains(TSkinControlType::xcMainMenu);
}

ShowState ShowStateFromShowCommand(int showCommand) {
    switch (showCommand) {
        case 2:  // SW_SHOWMINIMIZED
        case 6:  // SW_MINIMIZE
        case 7:  // SW_SHOWMINNOACTIVE
            return ShowState::Minimised;
        case 3:  // SW_SHOWMAXIMIZED
            return ShowState::Maximised;
        default:
            return ShowState::Normal;
    }
}

std::optional<ShowState> ShowStateFromSizeRequest(int request) {
    switch (request) {
        case 0:  // SIZE_RESTORED
            return ShowState::Normal;
        case 1:  // SIZE_MINIMIZED
            return ShowState::Minimised;
        case 2:  // SIZE_MAXIMIZED
            return ShowState::Maximised;
        default:
            return std::nullopt;
    }
}

std::optional<ShowState> ShowStateAfterCommand(SystemCommand command) {
    switch (command) {
        case SystemCommand::Minimize:
            return ShowState::Minimised;
        case SystemCommand::Maximize:
            return ShowState::Maximised;
        case SystemCommand::Restore:
            return ShowState::Normal;
        default:
            return std::nullopt;
    }
}

}  // namespace skin
