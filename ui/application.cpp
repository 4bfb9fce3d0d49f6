#include "ui/application.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "ui/command.h"
#include "ui/control.h"
#include "ui/error_report.h"
#include "ui/form.h"
#include "ui/wide_text.h"
#include "ui/window_class.h"

namespace ui {
namespace {

TApplication* g_application = nullptr;

}  // namespace

// The hidden application window: zero-sized, it is the owner of every form
// and so the only window with a task-bar button.
class TApplicationWindow : public TControl {
  public:
    TApplicationWindow(TComponent& owner, TApplication& app) : TControl(owner, nullptr), app_(app) {
        RegisterOwnClass(L"TApplication", 0);
        const int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
        CreateWnd(L"TApplication",
                  WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0, x, y, 0,
                  0);
    }
    std::string ClassName() const override { return "TApplication"; }

  protected:
    void WndProc(TMessage& m) override {
        if (app_.RunHooks(m))
            return;
        switch (m.Msg) {
            case CM_ERRORREPORT:
                ShowNextErrorReport();
                return;
            case WM_COMMAND:
                if (m.LParam == 0 && DispatchCommand(LOWORD(m.WParam)))
                    return;
                break;
            case WM_SYSCOMMAND:
                switch (m.WParam & 0xFFF0) {
                    case SC_MINIMIZE:
                        app_.Minimize();
                        return;
                    case SC_RESTORE:
                        app_.Restore();
                        return;
                    case SC_CLOSE:
                        if (app_.MainForm())
                            app_.MainForm()->Close();
                        return;
                }
                break;
            case WM_CLOSE:
                if (app_.MainForm())
                    app_.MainForm()->Close();
                return;
            case WM_ACTIVATE:
                // A click on the task-bar button activates this window: the
                // main form takes the activation over.
                if (LOWORD(m.WParam) != WA_INACTIVE && !IsIconic(Handle())) {
                    if (TForm* form = app_.MainForm();
                        form && form->Visible() && IsWindowEnabled(form->Handle())) {
                        SetActiveWindow(form->Handle());
                        m.Result = 0;
                        return;
                    }
                }
                break;
        }
        TControl::WndProc(m);
    }

  private:
    TApplication& app_;
};

TApplication& Application() {
    if (!g_application)
        throw std::logic_error("no application object");
    return *g_application;
}

TApplication::TApplication() : TComponent(nullptr) {
    g_application = this;
}

TApplication::~TApplication() {
    SetErrorReportWindow(nullptr);
    FreeOwnedComponents();
    g_application = nullptr;
}

void TApplication::Initialize() {
    if (!window_) {
        window_ = Make<TApplicationWindow>(*this, *this);
        SetErrorReportWindow(window_->Handle());
    }
}

HWND TApplication::Handle() const {
    return window_ ? window_->Handle() : nullptr;
}

void TApplication::SetTitle(std::string title) {
    title_ = std::move(title);
    if (window_)
        window_->SetCaption(title_);
    SetErrorReportCaption(title_);
}

void TApplication::SetIcon(HICON icon) {
    if (!window_)
        return;
    SendMessageW(window_->Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(window_->Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void TApplication::AddForm(TForm* form) {
    forms_.push_back(form);
}

void TApplication::RemoveForm(TForm* form) {
    std::erase(forms_, form);
    std::erase(minimizedForms_, form);
    if (mainForm_ == form)
        mainForm_ = nullptr;
}

bool TApplication::RunHooks(TMessage& message) {
    // A hook may remove itself while it runs: walk a copy.
    const auto hooks = hooks_;
    for (const auto& [id, hook] : hooks) {
        if (hook(message))
            return true;
    }
    return false;
}

int TApplication::HookMainWindow(TWindowHook hook) {
    hooks_.emplace_back(nextHook_, std::move(hook));
    return nextHook_++;
}

void TApplication::UnhookMainWindow(int id) {
    std::erase_if(hooks_, [id](const auto& entry) { return entry.first == id; });
}

bool TApplication::HandleMessage(MSG& msg) {
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return false;
    }
    // Tab, Enter and the arrow keys move between the controls of a form as
    // in a dialog.
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root && dynamic_cast<TForm*>(TControl::FromHandle(root)) && IsDialogMessageW(root, &msg))
        return true;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

void TApplication::Run() {
    if (mainForm_ && ShowMainForm)
        mainForm_->Show();
    MSG msg;
    while (!terminated_ && GetMessageW(&msg, nullptr, 0, 0) > 0)
        HandleMessage(msg);
    terminated_ = true;
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!HandleMessage(msg)) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
    }
}

void TApplication::Terminate() {
    PostQuitMessage(0);
}

void TApplication::Minimize() {
    if (!window_ || Minimized())
        return;
    // Windows hides the windows an owner owns when the owner is minimised,
    // but Wine leaves them on screen: the forms are hidden here, on both.
    for (TForm* form : forms_) {
        if (form->Visible()) {
            ShowWindow(form->Handle(), SW_HIDE);
            minimizedForms_.push_back(form);
        }
    }
    ShowWindow(window_->Handle(), SW_MINIMIZE);
}

void TApplication::Restore() {
    if (!window_)
        return;
    if (Minimized())
        ShowWindow(window_->Handle(), SW_RESTORE);
    // In their places and states (a maximised form comes back maximised).
    for (TForm* form : std::exchange(minimizedForms_, {}))
        ShowWindow(form->Handle(), SW_SHOW);
    if (mainForm_ && mainForm_->Visible())
        SetForegroundWindow(mainForm_->Handle());
}

bool TApplication::Minimized() const {
    return window_ && IsIconic(window_->Handle());
}

void TApplication::UpdateVisible() {
    if (!window_)
        return;
    const bool anyVisible =
        !minimizedForms_.empty() ||
        std::any_of(forms_.begin(), forms_.end(), [](TForm* f) { return f->Visible(); });
    SetWindowPos(window_->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                     (anyVisible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

}  // namespace ui
