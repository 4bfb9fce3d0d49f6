// The skin manager of the process: it watches the creation and activation
// of the user-interface thread's windows through a window hook, attaches a
// frame object to each window that qualifies, and carries out the skin
// data's commands (switch on, switch off, refresh) on its timer's tick.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "skin/skin_manager.h"
#include "skin/system_look.h"
#include "skin/text_painter.h"
#include "skin/window/skin_form.h"
#include "ui/form.h"
#include "ui/win_handle.h"

namespace skin::window {

class TSkinManager : public SkinManager {
  public:
    explicit TSkinManager(const SystemLook& look);
    ~TSkinManager() override;
    TSkinManager(const TSkinManager&) = delete;
    TSkinManager& operator=(const TSkinManager&) = delete;

    // SkinManager.
    void AddSkinData(TSkinData& data) override;
    void RemoveSkinData(TSkinData& data) override;
    void PostCommand(ManagerCommand command, int delayMs) override;
    ManagerRunState RunState() const override { return runState_; }
    void SetRunState(ManagerRunState state) override { runState_ = state; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }
    void SetPendingSkinData(TSkinData& data) override { pending_ = &data; }
    void DropCaptionButtons(TSkinData& data) override;
    void InstallHook() override;
    void SkinOwnerForm(TSkinData& data) override;
    bool HasScrollBarInfo() const override;

    bool Enabled() const { return enabled_; }
    // Attaches a frame object when the window qualifies; whether it did.
    bool SkinWindow(HWND window);
    // A form that is hidden or a child window is left as it is.
    bool SkinForm(ui::TForm& form);
    TSkinForm* FindSkinnedWindow(HWND window) const;
    // Carries the pending command out now, as the timer's tick does.
    void RunPendingCommand();

    const SystemLook& Look() const { return look_; }
    TextPainter& MenuFont();

  private:
    friend class TSkinForm;
    // Called by a frame object that goes.
    void Forget(TSkinForm& frame);
    void Purge();
    void SwitchOff();
    void Refresh(TSkinData& data);
    static LRESULT CALLBACK HookProcedure(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK TimerProcedure(HWND, UINT, UINT_PTR, DWORD);

    const SystemLook& look_;
    struct CloseHook {
        void operator()(HHOOK hook) const { UnhookWindowsHookEx(hook); }
    };
    ui::Owned<HHOOK, CloseHook> hook_;
    UINT_PTR timer_ = 0;

    std::vector<TSkinData*> skinData_;
    TSkinData* main_ = nullptr;
    TSkinData* pending_ = nullptr;
    ManagerCommand command_ = ManagerCommand::PurgeClosed;
    bool commandPosted_ = false;
    bool enabled_ = false;
    bool enumerating_ = false;
    ManagerRunState runState_ = ManagerRunState::Idle;

    std::vector<TSkinForm*> frames_;
    std::vector<std::unique_ptr<TSkinForm>> freeStanding_;
    std::unique_ptr<TextPainter> menuFont_;
};

}  // namespace skin::window
