// The skinned system menu: made from the window's system menu each time it
// opens, owner-drawn with the menu-item composition and the skin data's
// glyphs.
#include "skin/menu_item_look.h"
#include "skin/menu_item_measure.h"
#include "skin/menu_item_text.h"
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

namespace {

MenuItemFacts FactsOf(const SkinnedMenuItem& item, bool selected, const MenuImages& glyphs) {
    MenuItemFacts facts;
    facts.Text = SplitMenuText(item.Caption);
    facts.Selected = selected;
    facts.Enabled = item.Enabled;
    facts.Checked = item.Checked;
    facts.ImageIndex = static_cast<int>(item.Glyph);
    if (facts.ImageIndex >= static_cast<int>(glyphs.Images.size()))
        facts.ImageIndex = -1;
    return facts;
}

// The skin data's menu glyphs as the menu's image list of masks.
MenuImages GlyphList(const std::vector<Bitmap>& glyphs) {
    MenuImages list;
    list.Images = glyphs;
    list.Masks = true;
    if (!glyphs.empty())
        list.ImageSize = {glyphs.front().Width(), glyphs.front().Height()};
    return list;
}

}  // namespace

bool TSkinForm::OnMeasureItem(ui::TMessage& m) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
    if (!systemMenuSession_ || !skin_ || !data_ || measure->CtlType != ODT_MENU)
        return false;
    const SkinnedMenuItem* item = systemMenuSession_->ItemOf(measure->itemData);
    if (!item)
        return false;
    const MenuImages glyphs = GlyphList(data_->MenuGlyphs());
    TextPainter& font = manager_->MenuFont();
    // The system menu has no default item, so its bold font is never asked.
    MenuItemSources sources{*skin_, manager_->Look(), {font, font}};
    if (!glyphs.Images.empty())
        sources.Images = &glyphs;
    const MenuMetrics metrics{GetSystemMetrics(SM_CYMENU), GetSystemMetrics(SM_CXMENUCHECK)};
    const Size size =
        MeasureMenuItem(FactsOf(*item, false, glyphs), MeasureRule::PopupItem, sources, metrics);
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
        // The item is composed over the menu window's picture: the
        // background runs under its border too.
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
        const MenuImages glyphs = GlyphList(data_->MenuGlyphs());
        TextPainter& font = manager_->MenuFont();
        MenuItemSources sources{*skin_, manager_->Look(), {font, font}};
        if (!glyphs.Images.empty())
            sources.Images = &glyphs;
        sources.Background = &background;
        sources.ClientOrigin = {clientOrigin.x, clientOrigin.y};
        const Rect place{draw->rcItem.left, draw->rcItem.top, draw->rcItem.right,
                         draw->rcItem.bottom};
        const Bitmap picture = ComposeMenuItem(
            place, FactsOf(*item, (draw->itemState & ODS_SELECTED) != 0, glyphs), sources);
        Blit(draw->hDC, picture, {0, 0, picture.Width(), picture.Height()},
             {place.left, place.top});
    } catch (...) {
        // The item stays as the menu left it.
    }
    return true;
}

}  // namespace skin::window
