#include "ui/list_box.h"

#include "ui/wide_text.h"
#include "ui/window_class.h"

namespace ui {

TListBox::TListBox(TComponent& owner, TControl* parent, int left, int top, int width, int height)
    : TControl(owner, parent) {
    RegisterSuperclass(L"ListBox", L"TListBox");
    CreateWnd(L"TListBox",
              WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
              WS_EX_CLIENTEDGE, left, top, width, height);
    SetColor(clWindow);
}

// Lists are filled with tens of thousands of items: each goes to the window
// procedure directly, without the system's message sending.
void TListBox::AddItem(std::string_view text) {
    Perform(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void TListBox::ClearItems() {
    SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
}

int TListBox::ItemCount() const {
    return static_cast<int>(SendMessageW(Handle(), LB_GETCOUNT, 0, 0));
}

std::string TListBox::Item(int index) const {
    const LRESULT n = SendMessageW(Handle(), LB_GETTEXTLEN, index, 0);
    if (n == LB_ERR)
        return {};
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    SendMessageW(Handle(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(n));
    return Narrow(text);
}

int TListBox::ItemIndex() const {
    return static_cast<int>(SendMessageW(Handle(), LB_GETCURSEL, 0, 0));
}

void TListBox::SetItemIndex(int index) {
    SendMessageW(Handle(), LB_SETCURSEL, index, 0);
}

void TListBox::SetItemHeight(int height) {
    SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, height);
}

void TListBox::BeginUpdate(int expectedCount) {
    SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
    SendMessageW(Handle(), LB_INITSTORAGE, expectedCount, expectedCount * 24);
}

void TListBox::EndUpdate() {
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TListBox::WndProc(TMessage& m) {
    if (m.Msg == CN_BASE + WM_COMMAND && HIWORD(m.WParam) == LBN_SELCHANGE) {
        if (OnClick)
            OnClick(*this);
        return;
    }
    TControl::WndProc(m);
}

bool TListBox::GetProperty(std::string_view name, PropertyValue& value) const {
    if (SameName(name, "BorderStyle")) {
        value = std::string("bsSingle");
        return true;
    }
    return TControl::GetProperty(name, value);
}

}  // namespace ui
