// The application object: the program's title, its hidden application
// window (which carries the task-bar button, owns the forms and receives the
// commands of pop-up menus), its forms and its message loop.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/component.h"
#include "ui/message.h"

namespace ui {

class TForm;
class TControl;

class TApplication : public TComponent {
  public:
    TApplication();
    ~TApplication() override;
    std::string ClassName() const override { return "TApplication"; }

    // Makes the application window; call once before the first form.
    void Initialize();

    // The task-bar text and the caption of the error report.
    const std::string& Title() const { return title_; }
    void SetTitle(std::string title);
    void SetIcon(HICON icon);

    HWND Handle() const;

    // The first form made with CreateForm.
    TForm* MainForm() const { return mainForm_; }
    // Whether Run shows the main form when the loop starts.
    bool ShowMainForm = true;
    const std::vector<TForm*>& Forms() const { return forms_; }

    template <class T, class... Args>
    T* CreateForm(Args&&... args) {
        T* form = Make<T>(*this, std::forward<Args>(args)...);
        if (!mainForm_)
            mainForm_ = form;
        return form;
    }

    // Runs the message loop until the main form closes.
    void Run();
    // Handles the messages waiting now, then returns.
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // Hooks that see every message of the application window first; a hook
    // answers true when it has handled the message.
    using TWindowHook = std::function<bool(TMessage&)>;
    int HookMainWindow(TWindowHook hook);
    void UnhookMainWindow(int id);

    // Minimising the main form minimises the application window and hides
    // the forms it owns; restoring brings them back as they were.
    void Minimize();
    void Restore();
    bool Minimized() const;
    // The task-bar button shows while any form is visible or minimised.
    void UpdateVisible();

  private:
    friend class TForm;
    friend class TApplicationWindow;
    void AddForm(TForm* form);
    void RemoveForm(TForm* form);
    bool RunHooks(TMessage& message);
    bool HandleMessage(MSG& msg);

    std::string title_;
    TControl* window_ = nullptr;
    TForm* mainForm_ = nullptr;
    std::vector<TForm*> forms_;
    // The forms that Minimize hid, for Restore to show again.
    std::vector<TForm*> minimizedForms_;
    std::vector<std::pair<int, TWindowHook>> hooks_;
    int nextHook_ = 1;
    bool terminated_ = false;
};

// The one application object of the program.
TApplication& Application();

}  // namespace ui
