// The skinned system menu: made from the window's system menu each time it
// opens; its items are measured and drawn with the others (see
// skin_form_menus.cpp), with the skin data's glyphs.
#include "skin/window/skin_form.h"
#include "skin/window/skin_manager.h"
#include "skin/window/system_menu_session.h"

namespace skin::window {

void TSkinForm::OpenSystemMenu(Point at) {
    const DWORD now = GetTickCount();
    const FrameAnswer answer = skin::OpenSystemMenu(at, now, lastSystemMenuTick_, doubleClickTime_,
                                                    HotElement() != nullptr);
    if (answer.Effect == FrameEffect::PostClose) {
        StopHoverTimer();
        PostMessageW(window_, WM_CLOSE, 0, 0);
        return;
    }
    if (answer.Effect != FrameEffect::OpenSystemMenu || !systemMenu_)
        return;
    lastSystemMenuTick_ = now;
    systemMenuSession_ = std::make_unique<SystemMenuSession>(
        SkinnedSystemMenu(ReadSystemMenu(systemMenu_), show_, facts_));
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenuEx(systemMenuSession_->menu.get(),
                         TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                         answer.MenuAt.x, answer.MenuAt.y, window_, nullptr));
    if (!systemMenuSession_)
        return;  // the frame let go of its window meanwhile
    const uint32_t command = systemMenuSession_->TagOf(chosen);
    systemMenuSession_.reset();
    if (command)
        PostMessageW(window_, WM_SYSCOMMAND, command, 0);
}

}  // namespace skin::window
