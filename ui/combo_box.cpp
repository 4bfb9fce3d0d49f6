#include "ui/combo_box.h"

#include "text/gbk_text.h"
#include "ui/wide_text.h"
#include "ui/window_class.h"

namespace ui {

TComboBox::TComboBox(TComponent& owner, TControl* parent, int left, int top, int width, int height)
    : TControl(owner, parent) {
    RegisterSuperclass(L"ComboBox", L"TComboBox");
    CreateWnd(L"TComboBox",
              WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0,
              left, top, width, height);
    SetColor(clWindow);
}

void TComboBox::SetText(std::string_view text) {
    settingText_ = true;
    SetWindowTextW(Handle(), Widen(text).c_str());
    settingText_ = false;
}

void TComboBox::SetMaxLength(int characters) {
    SendMessageW(Handle(), CB_LIMITTEXT, characters, 0);
}

void TComboBox::AddItem(std::string_view text) {
    SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void TComboBox::ClearItems() {
    settingText_ = true;
    SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
    settingText_ = false;
}

int TComboBox::ItemCount() const {
    return static_cast<int>(SendMessageW(Handle(), CB_GETCOUNT, 0, 0));
}

std::string TComboBox::Item(int index) const {
    const LRESULT n = SendMessageW(Handle(), CB_GETLBTEXTLEN, index, 0);
    if (n == CB_ERR)
        return {};
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    SendMessageW(Handle(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(n));
    return Narrow(text);
}

int TComboBox::ItemIndex() const {
    return static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
}

void TComboBox::SetItemIndex(int index) {
    settingText_ = true;
    SendMessageW(Handle(), CB_SETCURSEL, index, 0);
    settingText_ = false;
}

void TComboBox::EnforceMaxBytes() {
    if (maxBytes_ <= 0 || settingText_)
        return;
    const std::string text = Text();
    if (text::gbk::ByteLength(text) <= static_cast<size_t>(maxBytes_))
        return;
    const std::string cut = text::gbk::LimitBytes(text, maxBytes_);
    SetText(cut);
    const int end = static_cast<int>(Widen(cut).size());
    SendMessageW(Handle(), CB_SETEDITSEL, 0, MAKELPARAM(end, end));
}

HWND TComboBox::EditHandle() const {
    return FindWindowExW(Handle(), nullptr, L"Edit", nullptr);
}

void TComboBox::WndProc(TMessage& m) {
    if (m.Msg == CN_BASE + WM_COMMAND) {
        switch (HIWORD(m.WParam)) {
            case CBN_EDITUPDATE:
                EnforceMaxBytes();
                return;
            case CBN_EDITCHANGE:
                if (!settingText_ && OnChange)
                    OnChange(*this);
                return;
            case CBN_SELCHANGE: {
                // The box shows the picked entry only after this notification.
                const int index = ItemIndex();
                if (index >= 0)
                    SetText(Item(index));
                if (OnSelect)
                    OnSelect(*this);
                return;
            }
            case CBN_SETFOCUS:
                if (OnEnter)
                    OnEnter(*this);
                return;
        }
    }
    TControl::WndProc(m);
}

}  // namespace ui
