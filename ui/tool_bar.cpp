#include "ui/tool_bar.h"

#include <commctrl.h>

#include "ui/image_list.h"
#include "ui/wide_text.h"
#include "ui/window_class.h"

namespace ui {

TToolButton::TToolButton(TComponent& owner)
    : TComponent(&owner), command_(AllocateCommand(*this)) {}

TToolButton::~TToolButton() {
    ReleaseCommand(command_);
}

void TToolButton::Click() {
    if (OnClick)
        OnClick(*this);
}

bool TToolButton::GetProperty(std::string_view name, PropertyValue& value) const {
    if (SameName(name, "Caption")) {
        value = Caption;
    } else if (SameName(name, "ImageIndex")) {
        value = int64_t{ImageIndex};
    } else {
        return TComponent::GetProperty(name, value);
    }
    return true;
}

TToolBar::TToolBar(TComponent& owner, TControl* parent, int left, int top, int width, int height)
    : TControl(owner, parent) {
    RegisterSuperclass(TOOLBARCLASSNAMEW, L"TToolBar");
    CreateWnd(L"TToolBar",
              WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TRANSPARENT | CCS_NODIVIDER |
                  CCS_NORESIZE | CCS_NOPARENTALIGN,
              0, left, top, width, height);
    SendMessageW(Handle(), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
}

void TToolBar::SetImages(TImageList* images) {
    SendMessageW(Handle(), TB_SETBITMAPSIZE, 0, MAKELPARAM(images->Width(), images->Height()));
    SendMessageW(Handle(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images->Handle()));
}

void TToolBar::SetButtonSize(int width, int height) {
    // The padding around picture and caption counts into the button's
    // height; the requested size is the whole button.
    SendMessageW(Handle(), TB_SETPADDING, 0, MAKELPARAM(6, 2));
    SendMessageW(Handle(), TB_SETBUTTONSIZE, 0, MAKELPARAM(width, height));
}

void TToolBar::AddButton(TToolButton* button) {
    const std::wstring caption = Widen(button->Caption);
    TBBUTTON b{};
    b.idCommand = button->Command();
    b.fsState = TBSTATE_ENABLED;
    if (button->Style == TToolButtonStyle::tbsSeparator) {
        b.fsStyle = BTNS_SEP;
        b.iBitmap = 8;  // width of the gap
    } else {
        b.fsStyle = BTNS_BUTTON;
        b.iBitmap = button->ImageIndex >= 0 ? button->ImageIndex : I_IMAGENONE;
        b.iString = reinterpret_cast<INT_PTR>(caption.c_str());
    }
    SendMessageW(Handle(), TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&b));
    buttons_.push_back(button);
}

bool TToolBar::Flat() const {
    return (GetWindowLongW(Handle(), GWL_STYLE) & TBSTYLE_FLAT) != 0;
}

void TToolBar::SetFlat(bool flat) {
    SetStyleBit(TBSTYLE_FLAT, flat);
}

bool TToolBar::Transparent() const {
    return (GetWindowLongW(Handle(), GWL_STYLE) & TBSTYLE_TRANSPARENT) != 0;
}

void TToolBar::SetTransparent(bool transparent) {
    SetStyleBit(TBSTYLE_TRANSPARENT, transparent);
}

void TToolBar::SetStyleBit(DWORD bit, bool on) {
    const DWORD style = GetWindowLongW(Handle(), GWL_STYLE);
    SetWindowLongW(Handle(), GWL_STYLE, on ? style | bit : style & ~bit);
    Invalidate();
}

void TToolBar::WndProc(TMessage& m) {
    if (m.Msg == CN_BASE + WM_COMMAND) {
        DispatchCommand(LOWORD(m.WParam));
        return;
    }
    TControl::WndProc(m);
}

bool TToolBar::GetProperty(std::string_view name, PropertyValue& value) const {
    if (SameName(name, "Flat")) {
        value = Flat();
    } else if (SameName(name, "Transparent")) {
        value = Transparent();
    } else {
        return TControl::GetProperty(name, value);
    }
    return true;
}

bool TToolBar::SetProperty(std::string_view name, const PropertyValue& value) {
    bool flag = false;
    if (SameName(name, "Flat") && Extract(value, flag)) {
        SetFlat(flag);
    } else if (SameName(name, "Transparent") && Extract(value, flag)) {
        SetTransparent(flag);
    } else {
        return TControl::SetProperty(name, value);
    }
    return true;
}

}  // namespace ui
