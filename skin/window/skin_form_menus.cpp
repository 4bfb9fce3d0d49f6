// The frame's menus in the skin: the drop-down menus of its menu bar with
// the message-filter hook that slides from one to the next, the owner-drawn
// items of those, of its form's pop-up menus and of the skinned system menu,
// and the keyboard's ways into the bar. The portable code composes every
// item and decides every move; this file gathers the facts and acts.
#include "skin/key_menu.h"
#include "skin/menu_item_measure.h"
#include "skin/menu_owner_draw.h"
#include "skin/window/dib.h"
#include "skin/window/engine_messages.h"
#include "skin/window/menu_filter_hook.h"
#include "skin/window/skin_form.h"
#include "skin/window/skin_manager.h"
#include "skin/window/skin_popup_menu.h"
#include "skin/window/system_menu_session.h"
#include "ui/menu.h"

namespace skin::window {
namespace {

MenuMetrics SystemMenuMetrics() {
    return {GetSystemMetrics(SM_CYMENU), GetSystemMetrics(SM_CXMENUCHECK)};
}

}  // namespace

void TSkinForm::OpenButtonMenu(TMenuBarButton& button) {
    std::optional<size_t> next = static_cast<size_t>(&button - menuBar_->Buttons().data());
    while (next && menuBar_ && state_ == SkinState::Running) {
        TMenuBarButton& open = menuBar_->Buttons()[*next];
        next.reset();
        const HMENU subMenu = menuBar_->SubMenu(open);
        if (const std::optional<UINT> command = menuBar_->Command(open))
            PostMessageW(window_, WM_COMMAND, *command, 0);
        if (!subMenu || !open.Enabled)
            break;
        if (&open != &button) {
            open.State = ElementState::Pressed;
            PaintMenuBarButton(open);
        }
        const bool rightToLeft = facts_.RightToLeft;
        const POINT at = {windowRect_.left + (rightToLeft ? open.Place.right : open.Place.left),
                          windowRect_.top + open.Place.bottom};
        POINT pointer;
        GetCursorPos(&pointer);
        const size_t index = static_cast<size_t>(&open - menuBar_->Buttons().data());
        tracking_.Open(index, {pointer.x - windowRect_.left, pointer.y - windowRect_.top});
        switchTo_.reset();
        menuOpen_ = true;
        UINT chosen = 0;
        {
            openMenus_.push_back(std::make_unique<OwnerDrawnMenu>(subMenu));
            openRule_ = MeasureRule::MainMenuItem;
            MenuFilterHook hook([this](MSG& message) { FilterMenuMessage(message); });
            // The menu opens with its first item selected. The Down key is
            // posted before the menu's loop starts, so it is the loop's first
            // key: posted from the filter while the loop looks at a key the
            // user pressed, it would stand first in the queue, and the loop,
            // which takes the first message of the key's kind off the queue,
            // would drop it and see the user's key twice.
            PostMessageW(window_, WM_KEYDOWN, VK_DOWN, 0);
            chosen = static_cast<UINT>(
                TrackPopupMenuEx(subMenu,
                                 TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD |
                                     (rightToLeft ? TPM_RIGHTALIGN : TPM_LEFTALIGN),
                                 at.x, at.y, window_, nullptr));
            openMenus_.clear();
        }
        tracking_.Close();
        menuOpen_ = false;
        if (chosen)
            PostMessageW(window_, WM_COMMAND, chosen, 0);
        if (switchTo_ && *switchTo_ != index && *switchTo_ < menuBar_->Buttons().size()) {
            next = switchTo_;
            open.State = ElementState::Normal;
            PaintMenuBarButton(open);
            if (HotElement() == &open)
                ClearHotElement();
        }
    }
    if (state_ != SkinState::Running || !menuBar_)
        return;
    // The menu has closed: each button shows whether the pointer is on it.
    POINT pointer;
    GetCursorPos(&pointer);
    const Point inWindow{pointer.x - windowRect_.left, pointer.y - windowRect_.top};
    for (TMenuBarButton& b : menuBar_->Buttons()) {
        if (b.State == ElementState::Normal && HotElement() != &b)
            continue;
        if (b.Place.Contains(inWindow)) {
            b.State = ElementState::Hot;
            PaintMenuBarButton(b);
        } else if (HotElement() == &b) {
            b.MouseLeave(*this);
        } else {
            b.State = ElementState::Normal;
            PaintMenuBarButton(b);
        }
    }
}

void TSkinForm::FilterMenuMessage(MSG& message) {
    if (!menuBar_ || !tracking_.OpenButton())
        return;
    MenuLoopFacts facts;
    switch (message.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            message.wParam = MenuKeyFor(static_cast<uint32_t>(message.wParam), facts_.RightToLeft);
            facts.Kind = message.message == WM_KEYDOWN ? MenuLoopMessage::KeyDown
                                                       : MenuLoopMessage::SysKeyDown;
            facts.Key = static_cast<uint32_t>(message.wParam);
            break;
        case WM_MOUSEMOVE:
            facts.Kind = MenuLoopMessage::MouseMove;
            facts.Pointer = {message.pt.x - windowRect_.left, message.pt.y - windowRect_.top};
            break;
        default:
            facts.Kind = MenuLoopMessage::Other;
            break;
    }
    CarryMenuLoopAnswer(tracking_.Filter(facts, menuBar_->Buttons()));
}

void TSkinForm::OnMenuSelect(const ui::TMessage& m) {
    if (!menuBar_ || !tracking_.OpenButton())
        return;
    const auto menu = reinterpret_cast<HMENU>(m.LParam);
    const UINT flags = HIWORD(m.WParam);
    MenuLoopFacts facts;
    facts.Kind = MenuLoopMessage::MenuSelect;
    facts.Closed = flags == 0xFFFF && !menu;
    facts.InDropDown =
        menu && menu == menuBar_->SubMenu(menuBar_->Buttons()[*tracking_.OpenButton()]);
    facts.OpensSubMenu = (flags & MF_POPUP) != 0;
    CarryMenuLoopAnswer(tracking_.Filter(facts, menuBar_->Buttons()));
}

void TSkinForm::CarryMenuLoopAnswer(const MenuLoopAnswer& answer) {
    if (answer.ClearMenuOpen)
        menuOpen_ = false;
    if (answer.SwitchTo && !switchTo_) {
        // The open menu ends, and OpenButtonMenu goes on with this button's.
        switchTo_ = answer.SwitchTo;
        EndMenu();
    }
}

MenuItemSources TSkinForm::ItemSources(const MenuImages* images) const {
    return {*skin_,
            manager_->Look(),
            {manager_->MenuFont(), manager_->MenuBoldFont()},
            images,
            &manager_->CheckMark()};
}

bool TSkinForm::MeasureMenuItem(MEASUREITEMSTRUCT& measure) {
    MenuItemFacts item;
    const MenuImages* images = nullptr;
    MeasureRule rule = openRule_;
    MenuImages glyphs;
    if (!FactsOfMenuItem(measure.itemData, item, rule, glyphs, images))
        return false;
    const Size size =
        item.Text.Caption.empty()
            ? Size{}
            : skin::MeasureMenuItem(item, rule, ItemSources(images), SystemMenuMetrics());
    measure.itemWidth = static_cast<UINT>(size.width);
    measure.itemHeight = static_cast<UINT>(size.height);
    return true;
}

bool TSkinForm::DrawMenuItem(const DRAWITEMSTRUCT& draw) {
    MenuItemFacts item;
    const MenuImages* images = nullptr;
    MeasureRule rule = openRule_;
    MenuImages glyphs;
    if (!FactsOfMenuItem(draw.itemData, item, rule, glyphs, images))
        return false;
    if (item.Text.Caption.empty())
        return true;  // a hidden separator
    item.Selected = (draw.itemState & ODS_SELECTED) != 0;
    item.Enabled = !(draw.itemState & (ODS_GRAYED | ODS_DISABLED)) && item.Enabled;
    item.Checked = (draw.itemState & ODS_CHECKED) != 0 || item.Checked;
    MenuItemSources sources = ItemSources(images);
    sources.RightToLeft = facts_.RightToLeft;
    if (TSkinPopupMenu* menuWindow = manager_->MenuWindow(WindowFromDC(draw.hDC))) {
        sources.Background = menuWindow->Background();
        sources.ClientOrigin = menuWindow->ClientOrigin();
    }
    const Rect place{draw.rcItem.left, draw.rcItem.top, draw.rcItem.right, draw.rcItem.bottom};
    const Bitmap picture = ComposeMenuItem(place, item, sources);
    Blit(draw.hDC, picture, {0, 0, picture.Width(), picture.Height()}, {place.left, place.top});
    return true;
}

bool TSkinForm::FactsOfMenuItem(ULONG_PTR itemData, MenuItemFacts& item, MeasureRule& rule,
                                MenuImages& glyphs, const MenuImages*& images) const {
    if (!skin_ || !manager_)
        return false;
    if (systemMenuSession_) {
        if (const SkinnedMenuItem* system = systemMenuSession_->ItemOf(itemData)) {
            item.Text = SplitMenuText(system->Caption);
            item.Enabled = system->Enabled;
            item.Checked = system->Checked;
            item.ImageIndex = static_cast<int>(system->Glyph);
            rule = MeasureRule::PopupItem;
            const auto& masks = data_->MenuGlyphs();
            if (!masks.empty()) {
                glyphs = {{masks[0].Width(), masks[0].Height()}, masks, true};
                images = &glyphs;
            }
            return true;
        }
    }
    for (const auto& menu : openMenus_) {
        if (const OwnerDrawnEntry* entry = menu->Find(itemData)) {
            item.Text = entry->Hidden ? MenuItemText{} : entry->Text;
            item.Default = entry->Default;
            return true;
        }
    }
    return false;
}

bool TSkinForm::OnMenuChar(ui::TMessage& m) {
    const auto menu = reinterpret_cast<HMENU>(m.LParam);
    const OwnerDrawnMenu* open = nullptr;
    for (const auto& candidate : openMenus_) {
        if (candidate->Handle() == menu)
            open = candidate.get();
    }
    if (!open)
        return false;
    std::vector<std::string> captions;
    std::optional<size_t> selected;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_DATA | MIIM_STATE;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        const OwnerDrawnEntry* entry = open->Find(info.dwItemData);
        captions.push_back(entry ? entry->Text.Caption : "-");
        if (info.fState & MFS_HILITE)
            selected = static_cast<size_t>(i);
    }
    const MenuCharAnswer answer = DecideMenuChar(captions, LOWORD(m.WParam), selected);
    switch (answer.Effect) {
        case MenuCharEffect::Ignore:
            m.Result = MAKELRESULT(0, MNC_IGNORE);
            break;
        case MenuCharEffect::Select:
            m.Result = MAKELRESULT(answer.Item, MNC_SELECT);
            break;
        case MenuCharEffect::Execute:
            m.Result = MAKELRESULT(answer.Item, MNC_EXECUTE);
            break;
    }
    return true;
}

bool TSkinForm::OpenAcceleratorButton(char32_t key) {
    if (!menuBar_ || menuOpen_ || state_ != SkinState::Running)
        return false;
    const auto found = FindAcceleratorButton(menuBar_->Buttons(), key);
    if (!found)
        return false;
    TMenuBarButton& button = menuBar_->Buttons()[*found];
    button.MouseDown(*this);
    OpenButtonMenu(button);
    return true;
}

bool TSkinForm::OwnsPopupMenu(HMENU menu) const {
    if (!form_ || !data_ || !skin_)
        return false;
    for (ui::TComponent* component : form_->Components()) {
        const auto* popup = dynamic_cast<const ui::TPopupMenu*>(component);
        if (popup && popup->Handle() == menu)
            return SkinsPopupMenu(data_->SkinControls, popup->Tag, data_->DisableTag);
    }
    return false;
}

void TSkinForm::OpenPopupMenu(HMENU menu) {
    openMenus_.push_back(std::make_unique<OwnerDrawnMenu>(menu));
    openRule_ = MeasureRule::PopupItem;
}

void TSkinForm::ClosePopupMenus() {
    if (!tracking_.OpenButton())
        openMenus_.clear();
}

bool TSkinForm::OnMenuMessage(ui::TMessage& m) {
    switch (m.Msg) {
        case WM_MEASUREITEM: {
            auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
            if (measure->CtlType != ODT_MENU || !MeasureMenuItem(*measure))
                return false;
            m.Result = TRUE;
            return true;
        }
        case WM_DRAWITEM: {
            const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
            if (draw->CtlType != ODT_MENU)
                return false;
            m.Result = TRUE;
            try {
                return DrawMenuItem(*draw);
            } catch (...) {
                return true;  // the item stays as the menu left it
            }
        }
        case WM_MENUCHAR:
            return OnMenuChar(m);
        case WM_MENUSELECT:
            OnMenuSelect(m);
            return false;
        case kOpenButtonMenuMessage: {
            if (!menuBar_ || menuOpen_)
                return true;
            TNcElement* element = ElementAt(WindowPoint(m.LParam));
            if (auto* button = dynamic_cast<TMenuBarButton*>(element)) {
                button->MouseDown(*this);
                OpenButtonMenu(*button);
            }
            m.Result = 0;
            return true;
        }
        case ui::CM_DIALOGCHAR:
            // A character typed with Alt alone that no control took.
            if (GetKeyState(VK_MENU) >= 0 || GetKeyState(VK_CONTROL) < 0 ||
                !OpenAcceleratorButton(static_cast<char32_t>(m.WParam)))
                return false;
            m.Result = 1;
            return true;
        default:
            return false;
    }
}

}  // namespace skin::window
