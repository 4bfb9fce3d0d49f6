// A component that keeps one icon in the notification area: it adds, changes
// and removes the icon through the shell, turns the shell's notifications
// into events, opens a pop-up menu at the cursor, can step through the
// icons of an image list, and can hide the main form into the tray when it
// is minimised.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "tray/simple_timer.h"
#include "ui/component.h"
#include "ui/control.h"
#include "ui/icon.h"
#include "ui/image_list.h"
#include "ui/menu.h"
#include "ui/message.h"

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

enum TShiftStateFlag : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64,
};
using TShiftState = unsigned;

using TMouseEvent = std::function<void(ui::TComponent& sender, TMouseButton button,
                                       TShiftState shift, int x, int y)>;
using TMouseMoveEvent =
    std::function<void(ui::TComponent& sender, TShiftState shift, int x, int y)>;
using TCycleEvent = std::function<void(ui::TComponent& sender, int nextIndex)>;
using TStartupEvent = std::function<void(ui::TComponent& sender, bool& showMainForm)>;

// The tooltip the shell is given: the hint cut to what the tray holds (127
// characters and the terminating zero), or nothing at all.
std::wstring TrayTip(std::string_view hint, bool showHint);

class TTrayIcon : public ui::TComponent {
  public:
    explicit TTrayIcon(ui::TComponent& owner);
    ~TTrayIcon() override;
    std::string ClassName() const override { return "TTrayIcon"; }

    // Call once the owner has set the stored properties: adds the icon and
    // starts the timers as they say.
    void Loaded();

    bool DesignPreview() const { return designPreview_; }
    void SetDesignPreview(bool value) { designPreview_ = value; }
    ui::TImageList* IconList() const { return iconList_; }
    void SetIconList(ui::TImageList* list);
    bool CycleIcons() const { return cycleIcons_; }
    void SetCycleIcons(bool value);
    uint32_t CycleInterval() const { return cycleInterval_; }
    void SetCycleInterval(uint32_t interval);
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value);
    // The icon object; changing it shows the change in the tray.
    ui::TIcon& Icon() { return *icon_; }
    // Takes a copy of `icon`.
    void SetIcon(HICON icon);
    bool IconVisible() const { return iconVisible_; }
    void SetIconVisible(bool visible);
    int IconIndex() const { return iconIndex_; }
    void SetIconIndex(int index);
    bool WantEnterExitEvents() const { return wantEnterExitEvents_; }
    void SetWantEnterExitEvents(bool value);

    // The icon's identifier with the shell: the wParam of its notifications.
    UINT IconId() const { return iconId_; }

    // When false, mouse notifications are ignored; balloon ones are not.
    bool Enabled = true;
    ui::TPopupMenu* PopupMenu = nullptr;
    // The left button opens the menu too.
    bool LeftPopup = false;
    bool MinimizeToTray = false;

    ui::TNotifyEvent OnClick, OnDblClick;
    TMouseEvent OnMouseDown, OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    ui::TNotifyEvent OnMouseEnter, OnMouseExit;
    TCycleEvent OnCycle;
    ui::TNotifyEvent OnBalloonHintShow, OnBalloonHintHide, OnBalloonHintTimeout, OnBalloonHintClick;
    ui::TNotifyEvent OnMinimizeToTray;
    TStartupEvent OnStartup;

    void Notification(ui::TComponent* removed) override;

  protected:
    virtual bool AddTrayIcon();
    virtual bool RemoveTrayIcon();
    virtual bool UpdateTrayIcon();

    virtual void DoClick();
    virtual void DoDblClick();
    virtual void DoCycle();
    virtual void DoMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void DoMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void DoMouseMove(TShiftState shift, int x, int y);
    virtual void DoMouseEnter();
    virtual void DoMouseExit();
    // Hides the main form and puts the icon into the tray.
    virtual void DoMinimizeToTray();

  private:
    friend class TTrayIconHandler;

    // The shell's notification `code` (a mouse message or a balloon one).
    void HandleNotification(UINT code);
    bool CallShell(DWORD operation);
    void FillNotifyData();
    // The next index of a cycle: the one after IconIndex, or 0 at the end.
    int NextIndex() const;
    void CopyListImage(int index);
    void PopupAtCursor();
    void ClickDefaultItem();
    void HideMainForm();
    bool HookApplication(ui::TMessage& message);
    void OwnerWndProc(ui::TMessage& message, const ui::NextHandler& next);
    // Acts only with MinimizeToTray and an OnMinimizeToTray handler.
    bool MinimizeStep(ui::TMessage& message);

    void CycleStep(TSimpleTimer& timer);
    void SingleClickStep(TSimpleTimer& timer);
    void HoverPollStep(TSimpleTimer& timer);

    bool designPreview_ = false;
    ui::TImageList* iconList_ = nullptr;
    bool cycleIcons_ = false;
    uint32_t cycleInterval_ = 0;
    std::string hint_;
    bool showHint_ = true;
    std::unique_ptr<ui::TIcon> icon_;
    bool iconVisible_ = false;
    int iconIndex_ = 0;
    bool wantEnterExitEvents_ = false;

    UINT iconId_;
    std::unique_ptr<TSimpleTimer> iconCycleTimer_;
    std::unique_ptr<TSimpleTimer> singleClickTimer_;
    std::unique_ptr<TSimpleTimer> hoverPollTimer_;
    int lastPointerX_ = 0;
    int lastPointerY_ = 0;
    bool leftDownSeen_ = false;
    bool singleClickDue_ = false;
    bool doubleClickSeen_ = false;
    bool pointerGone_ = true;
    int applicationHook_ = 0;
    // The owner when it is a windowed control, kept from the start: while the
    // owner frees its components it no longer names itself their owner.
    ui::TControl* ownerControl_ = nullptr;
    // In front of the owner's handlers while the component lives.
    ui::HandlerLink ownerLink_;
    NOTIFYICONDATAW notifyData_;
};
