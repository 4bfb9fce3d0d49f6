#include "ui/form.h"

#include "ui/application.h"
#include "ui/command.h"
#include "ui/menu.h"
#include "ui/window_class.h"

namespace ui {
namespace {

DWORD StyleOf(TFormBorderStyle border) {
    switch (border) {
        case TFormBorderStyle::bsSingle:
            return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX |
                   WS_CLIPCHILDREN;
        case TFormBorderStyle::bsDialog:
            return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_CLIPCHILDREN;
    }
    return WS_OVERLAPPEDWINDOW;
}

DWORD ExStyleOf(TFormBorderStyle border) {
    return WS_EX_CONTROLPARENT | (border == TFormBorderStyle::bsDialog ? WS_EX_DLGMODALFRAME : 0);
}

std::string Narrowed(const wchar_t* s) {
    std::string out;
    for (; *s; ++s)
        out += static_cast<char>(*s);
    return out;
}

}  // namespace

TForm::TForm(TComponent& owner, const wchar_t* windowClass, TFormBorderStyle borderStyle,
             TPosition position)
    : TControl(owner, nullptr),
      className_(Narrowed(windowClass)),
      borderStyle_(borderStyle),
      position_(position) {
    RegisterOwnClass(windowClass, CS_DBLCLKS);
    CreateWnd(windowClass, StyleOf(borderStyle), ExStyleOf(borderStyle), CW_USEDEFAULT,
              CW_USEDEFAULT, 400, 300, Application().Handle());
    Application().AddForm(this);
}

TForm::~TForm() {
    // The controls go while the form's window still exists.
    FreeOwnedComponents();
    Application().RemoveForm(this);
}

void TForm::SetClientSize(int width, int height) {
    RECT r{0, 0, width, height};
    AdjustWindowRectEx(&r, GetWindowLongW(Handle(), GWL_STYLE), menu_ != nullptr,
                       GetWindowLongW(Handle(), GWL_EXSTYLE));
    SetWindowPos(Handle(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::SetMenu(TMainMenu* menu) {
    const RECT client = ClientRect();
    menu_ = menu;
    ::SetMenu(Handle(), menu ? menu->Handle() : nullptr);
    if (menu)
        menu->WindowHandle = Handle();
    SetClientSize(client.right, client.bottom);
}

void TForm::PlaceOnFirstShow() {
    if (placed_)
        return;
    placed_ = true;
    RECT window;
    GetWindowRect(Handle(), &window);
    RECT area;
    TForm* owner = Application().MainForm();
    if (position_ == TPosition::poOwnerFormCenter && owner && owner != this && owner->Visible()) {
        GetWindowRect(owner->Handle(), &area);
    } else {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    const int w = window.right - window.left, h = window.bottom - window.top;
    const int x = area.left + (area.right - area.left - w) / 2,
              y = area.top + (area.bottom - area.top - h) / 2;
    SetWindowPos(Handle(), nullptr, x < 0 ? 0 : x, y < 0 ? 0 : y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::Show() {
    // Shown while the program is minimised (from the tray): the program
    // comes back as a whole, with its task-bar button.
    if (Application().Minimized())
        Application().Restore();
    PlaceOnFirstShow();
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    Application().UpdateVisible();
}

void TForm::Hide() {
    ShowWindow(Handle(), SW_HIDE);
    Application().UpdateVisible();
}

bool TForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(*this, canClose);
    return canClose;
}

void TForm::Close() {
    if (!CloseQuery())
        return;
    if (Application().MainForm() == this) {
        Hide();
        Application().Terminate();
        return;
    }
    if (ModalResult == mrNone)
        ModalResult = mrCancel;
    Hide();
}

int TForm::ShowModal() {
    HWND previous = GetActiveWindow();
    // Every other visible form is disabled while this one is up.
    std::vector<HWND> disabled;
    for (TForm* form : Application().Forms()) {
        if (form != this && form->Visible() && IsWindowEnabled(form->Handle())) {
            EnableWindow(form->Handle(), FALSE);
            disabled.push_back(form->Handle());
        }
    }
    ModalResult = mrNone;
    Show();
    MSG msg;
    while (ModalResult == mrNone && Visible()) {
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        if (!root || !IsDialogMessageW(root, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    for (HWND window : disabled)
        EnableWindow(window, TRUE);
    Hide();
    if (previous)
        SetActiveWindow(previous);
    const int result = ModalResult == mrNone ? mrCancel : ModalResult;
    ModalResult = mrNone;
    return result;
}

void TForm::SetDefaultButton(TControl* button) {
    defaultButton_ = button;
}

void TForm::WMSysCommand(TMessage& m) {
    // Minimising the main form minimises the application (its window owns
    // the task-bar button).
    if ((m.WParam & 0xFFF0) == SC_MINIMIZE && Application().MainForm() == this) {
        Application().Minimize();
        m.Result = 0;
        return;
    }
    DefaultHandler(m);
}

void TForm::WndProc(TMessage& m) {
    switch (m.Msg) {
        case WM_CLOSE:
            Close();
            return;
        case WM_SYSCOMMAND:
            WMSysCommand(m);
            return;
        case WM_COMMAND:
            if (m.LParam == 0 && HIWORD(m.WParam) == BN_CLICKED) {
                // Enter pressed the default button; the dialog keys name it by
                // its identifier only, as it need not be a direct child.
                if (defaultButton_ && LOWORD(m.WParam) == GetDlgCtrlID(defaultButton_->Handle())) {
                    defaultButton_->Perform(CN_BASE + WM_COMMAND, m.WParam,
                                            reinterpret_cast<intptr_t>(defaultButton_->Handle()));
                    return;
                }
                // Menu items have no window of their own.
                if (DispatchCommand(LOWORD(m.WParam)))
                    return;
            }
            break;
        case DM_GETDEFID:
            if (defaultButton_ && defaultButton_->Handle()) {
                m.Result = MAKELRESULT(GetDlgCtrlID(defaultButton_->Handle()), DC_HASDEFID);
                return;
            }
            break;
        case WM_ERASEBKGND: {
            RECT r;
            GetClientRect(Handle(), &r);
            FillRect(reinterpret_cast<HDC>(m.WParam), &r, ColorBrush());
            m.Result = 1;
            return;
        }
    }
    TControl::WndProc(m);
}

bool TForm::GetProperty(std::string_view name, PropertyValue& value) const {
    if (SameName(name, "BorderStyle")) {
        value = std::string(borderStyle_ == TFormBorderStyle::bsSingle ? "bsSingle" : "bsDialog");
    } else if (SameName(name, "AutoScroll")) {
        value = autoScroll_;
    } else {
        return TControl::GetProperty(name, value);
    }
    return true;
}

bool TForm::SetProperty(std::string_view name, const PropertyValue& value) {
    if (SameName(name, "AutoScroll"))
        return Extract(value, autoScroll_);
    return TControl::SetProperty(name, value);
}

}  // namespace ui
