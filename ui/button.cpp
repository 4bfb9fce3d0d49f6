#include "ui/button.h"

#include "ui/form.h"
#include "ui/window_class.h"

namespace ui {

TForm* ParentForm(TControl& control) {
    TControl* c = &control;
    while (c->Parent())
        c = c->Parent();
    return dynamic_cast<TForm*>(c);
}

TButton::TButton(TComponent& owner, TControl* parent, int left, int top, int width, int height)
    : TControl(owner, parent) {
    RegisterSuperclass(L"Button", L"TButton");
    CreateWnd(L"TButton", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, left, top, width,
              height);
}

void TButton::Click() {
    if (OnClick)
        OnClick(*this);
    if (ModalResult != 0) {
        if (TForm* form = ParentForm(*this))
            form->ModalResult = ModalResult;
    }
}

void TButton::SetDefault(bool value) {
    default_ = value;
    SendMessageW(Handle(), BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    TForm* form = ParentForm(*this);
    if (!form)
        return;
    if (value) {
        form->SetDefaultButton(this);
    } else if (form->DefaultButton() == this) {
        form->SetDefaultButton(nullptr);
    }
}

void TButton::WndProc(TMessage& m) {
    if (m.Msg == CN_BASE + WM_COMMAND && HIWORD(m.WParam) == BN_CLICKED) {
        Click();
        return;
    }
    TControl::WndProc(m);
}

bool TButton::GetProperty(std::string_view name, PropertyValue& value) const {
    if (SameName(name, "Default")) {
        value = default_;
    } else if (SameName(name, "ModalResult")) {
        value = int64_t{ModalResult};
    } else {
        return TControl::GetProperty(name, value);
    }
    return true;
}

bool TButton::SetProperty(std::string_view name, const PropertyValue& value) {
    bool flag = false;
    if (SameName(name, "Default") && Extract(value, flag)) {
        SetDefault(flag);
        return true;
    }
    if (SameName(name, "ModalResult"))
        return Extract(value, ModalResult);
    return TControl::SetProperty(name, value);
}

}  // namespace ui
