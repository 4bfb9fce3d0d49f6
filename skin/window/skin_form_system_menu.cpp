// The skinned system menu: made from the window's system menu each time it
// opens, owner-drawn with the menu-item composition and the skin data's
// glyphs.
#include "skin/menu_item_look.h"
#include "skin/window/dib.h"
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

bool TSkinForm::OnMeasureItem(ui::TMessage& m) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
    if (!systemMenuSession_ || !skin_ || measure->CtlType != ODT_MENU)
        return false;
    const SkinnedMenuItem* item = systemMenuSession_->ItemOf(measure->itemData);
    if (!item)
        return false;
    TextPainter& font = manager_->MenuFont();
    const MenuText text = SplitMenuText(item->Caption);
    const Size size =
        SystemMenuItemSize(font.Measure(text.caption.empty() ? " " : text.caption),
                           text.shortcut.empty() ? 0 : font.Measure(text.shortcut).width,
                           item->Caption == "-", *skin_);
    measure->itemWidth = static_cast<UINT>(size.width);
    measure->itemHeight = static_cast<UINT>(size.height);
    m.Result = TRUE;
    return true;
}

bool TSkinForm::OnDrawItem(ui::TMessage& m) {
    const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
    if (!systemMenuSession_ || !skin_ || !data_ || draw->CtlType != ODT_MENU)
        return false;
    const SkinnedMenuItem* item = systemMenuSession_->ItemOf(draw->itemData);
    if (!item)
        return false;
    m.Result = TRUE;
    try {
        // The item is drawn on the menu window's picture: the background
        // runs under its border too.
        const HWND menuWindow = WindowFromDC(draw->hDC);
        RECT windowRect{0, 0, draw->rcItem.right + kMenuBorder, draw->rcItem.bottom + kMenuBorder};
        POINT clientOrigin{kMenuBorder, kMenuBorder};
        if (menuWindow) {
            GetWindowRect(menuWindow, &windowRect);
            clientOrigin = {0, 0};
            ClientToScreen(menuWindow, &clientOrigin);
            clientOrigin.x -= windowRect.left;
            clientOrigin.y -= windowRect.top;
        }
        const Size size{windowRect.right - windowRect.left, windowRect.bottom - windowRect.top};
        Bitmap& background = systemMenuSession_->background;
        if (background.Width() != size.width || background.Height() != size.height)
            background = PaintMenuBackground(size, *skin_, manager_->Look());
        Bitmap picture = background;
        const MenuText text = SplitMenuText(item->Caption);
        MenuItemState state;
        state.Caption = text.caption;
        state.Shortcut = text.shortcut;
        state.Selected = (draw->itemState & ODS_SELECTED) != 0;
        state.Enabled = item->Enabled;
        state.Checked = item->Checked;
        const auto& glyphs = data_->MenuGlyphs();
        const auto glyph = static_cast<size_t>(item->Glyph);
        if (item->Glyph != MenuGlyph::None && glyph < glyphs.size())
            state.Glyph = &glyphs[glyph];
        // The composition places items kMenuBorder in from the window's
        // corner; this menu's client area may start elsewhere.
        const int dx = clientOrigin.x - kMenuBorder, dy = clientOrigin.y - kMenuBorder;
        const Rect place{draw->rcItem.left + dx, draw->rcItem.top + dy, draw->rcItem.right + dx,
                         draw->rcItem.bottom + dy};
        PaintMenuItem(picture, place, background, *skin_, state, manager_->MenuFont(), Bitmap(),
                      manager_->Look());
        Blit(draw->hDC, picture,
             {draw->rcItem.left + clientOrigin.x, draw->rcItem.top + clientOrigin.y,
              draw->rcItem.right + clientOrigin.x, draw->rcItem.bottom + clientOrigin.y},
             {-clientOrigin.x, -clientOrigin.y});
    } catch (...) {
        // The item stays as the menu left it.
    }
    return true;
}

}  // namespace skin::window
