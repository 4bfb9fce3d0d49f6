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
#include "skin/window/skin_popup_menu.h"
#include "ui/form.h"
#include "ui/handler_chain.h"
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
    // The menu font in bold, for a menu's default item.
    TextPainter& MenuBoldFont();
    // The system's check mark as a mask, white where it is clear.
    const Bitmap& CheckMark();
    // The skinned menu window `window`, if it is one.
    TSkinPopupMenu* MenuWindow(HWND window);

  private:
    friend class TSkinForm;
    // Called by a frame object that goes.
    void Forget(TSkinForm& frame);
    void Purge();
    void SwitchOff();
    void Refresh(TSkinData& data);
    // Menu windows ("#32768") get their skin as they are made.
    void AttachMenuWindow(HWND window);
    // The form's pop-up menus open on the application's window: their
    // messages go to the frame of the form they belong to.
    void OnApplicationMessage(ui::TMessage& m, const ui::NextHandler& next);
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
    std::unique_ptr<TextPainter> menuBoldFont_;
    Bitmap checkMark_;
    std::vector<std::unique_ptr<TSkinPopupMenu>> menuWindows_;
    ui::HandlerLink applicationLink_;
    // The frame whose pop-up menu is open on the application's window.
    TSkinForm* popupFrame_ = nullptr;
};

}  // namespace skin::window
