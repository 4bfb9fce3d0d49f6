#include "tray/tray_icon.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <algorithm>

#include "tray/tray_icon_handler.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/wide_text.h"

namespace {

// The room for a tooltip in the shell's record, the terminating zero included.
constexpr size_t kTipRoom = sizeof(NOTIFYICONDATAW::szTip) / sizeof(wchar_t);

// The common-controls library from 4.71 on tells of a restarted task bar
// with the registered message "TaskbarCreated"; 0 without one.
UINT TaskbarCreatedMessage() {
    static const UINT message = [] {
        HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
        const auto getVersion =
            comctl ? reinterpret_cast<DLLGETVERSIONPROC>(
                         reinterpret_cast<void*>(GetProcAddress(comctl, "DllGetVersion")))
                   : nullptr;
        DLLVERSIONINFO info{};
        info.cbSize = sizeof info;
        if (!getVersion || FAILED(getVersion(&info)))
            return UINT{0};
        const DWORD version = MAKELONG(info.dwMinorVersion, info.dwMajorVersion);
        return version >= 0x40047 ? RegisterWindowMessageW(L"TaskbarCreated") : UINT{0};
    }();
    return message;
}

TShiftState KeyboardShift() {
    TShiftState shift = 0;
    if (GetAsyncKeyState(VK_SHIFT) < 0)
        shift |= ssShift;
    if (GetAsyncKeyState(VK_MENU) < 0)
        shift |= ssAlt;
    if (GetAsyncKeyState(VK_CONTROL) < 0)
        shift |= ssCtrl;
    return shift;
}

}  // namespace

std::wstring TrayTip(std::string_view hint, bool showHint) {
    if (hint.empty() || !showHint)
        return {};
    std::wstring tip = Widen(hint);
    if (tip.size() >= kTipRoom) {
        size_t length = kTipRoom - 1;
        // Never half of a surrogate pair.
        if (IS_HIGH_SURROGATE(tip[length - 1]))
            --length;
        tip.resize(length);
    }
    return tip;
}

TTrayIcon::TTrayIcon(ui::TComponent& owner)
    : ui::TComponent(&owner), icon_(std::make_unique<ui::TIcon>()) {
    ui::TApplication& application = ui::Application();
    iconId_ = TTrayIconHandler::Add(*this);
    icon_->OnChange = [this] { UpdateTrayIcon(); };

    notifyData_ = NOTIFYICONDATAW{};
    notifyData_.cbSize = NOTIFYICONDATAW_V2_SIZE;
    notifyData_.hWnd = TTrayIconHandler::Instance()->Handle();
    notifyData_.uID = iconId_;
    notifyData_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    notifyData_.uCallbackMessage = TTrayIconHandler::kCallbackMessage;

    iconCycleTimer_ =
        std::make_unique<TSimpleTimer>(1000, [this](TSimpleTimer& t) { CycleStep(t); });
    singleClickTimer_ =
        std::make_unique<TSimpleTimer>(1000, [this](TSimpleTimer& t) { SingleClickStep(t); });
    hoverPollTimer_ =
        std::make_unique<TSimpleTimer>(20, [this](TSimpleTimer& t) { HoverPollStep(t); });

    // Registered before any broadcast of it can arrive.
    TaskbarCreatedMessage();
    applicationHook_ =
        application.HookMainWindow([this](ui::TMessage& m) { return HookApplication(m); });
    auto* control = dynamic_cast<ui::TControl*>(&owner);
    if (control && control->Handle()) {
        ownerControl_ = control;
        ownerLink_ = ui::HandlerLink(
            control->Handlers(),
            [this](ui::TMessage& m, const ui::NextHandler& next) { OwnerWndProc(m, next); });
    }
}

TTrayIcon::~TTrayIcon() {
    SetIconVisible(false);
    SetDesignPreview(false);
    iconCycleTimer_.reset();
    singleClickTimer_.reset();
    hoverPollTimer_.reset();
    icon_.reset();
    ui::Application().UnhookMainWindow(applicationHook_);
    ownerLink_.Remove();
    TTrayIconHandler::Remove(iconId_);
}

void TTrayIcon::Loaded() {
    if (ownerControl_) {
        bool showMainForm = true;
        if (OnStartup)
            OnStartup(*this, showMainForm);
        if (!showMainForm) {
            ui::Application().ShowMainForm = false;
            HideMainForm();
        }
    }
    UpdateTrayIcon();
    SetIconVisible(iconVisible_);
    SetCycleIcons(cycleIcons_);
    SetWantEnterExitEvents(wantEnterExitEvents_);
    // The classic behaviour: plain mouse messages as notifications. An icon
    // the shell does not hold has it already when it is added.
    notifyData_.uVersion = 0;
    if (iconVisible_)
        Shell_NotifyIconW(NIM_SETVERSION, &notifyData_);
}

void TTrayIcon::SetIconList(ui::TImageList* list) {
    iconList_ = list;
    SetIconIndex(0);
}

void TTrayIcon::SetCycleIcons(bool value) {
    cycleIcons_ = value;
    if (cycleIcons_) {
        SetIconIndex(0);
        iconCycleTimer_->SetInterval(cycleInterval_);
        iconCycleTimer_->SetEnabled(true);
    } else {
        iconCycleTimer_->SetEnabled(false);
    }
}

void TTrayIcon::SetCycleInterval(uint32_t interval) {
    cycleInterval_ = interval;
    SetCycleIcons(cycleIcons_);
}

void TTrayIcon::SetHint(std::string hint) {
    hint_ = std::move(hint);
    UpdateTrayIcon();
}

void TTrayIcon::SetShowHint(bool value) {
    showHint_ = value;
    UpdateTrayIcon();
}

void TTrayIcon::SetIcon(HICON icon) {
    std::function<void()> onChange = std::move(icon_->OnChange);
    icon_->OnChange = nullptr;
    icon_->Assign(icon);
    icon_->OnChange = std::move(onChange);
    UpdateTrayIcon();
}

void TTrayIcon::SetIconVisible(bool visible) {
    if (visible)
        AddTrayIcon();
    else
        RemoveTrayIcon();
}

void TTrayIcon::SetIconIndex(int index) {
    if (iconList_) {
        const int count = iconList_->Count();
        iconIndex_ = index >= count ? count - 1 : index;
        CopyListImage(iconIndex_);
    } else {
        iconIndex_ = 0;
    }
    UpdateTrayIcon();
}

void TTrayIcon::SetWantEnterExitEvents(bool value) {
    wantEnterExitEvents_ = value;
    hoverPollTimer_->SetEnabled(value);
}

void TTrayIcon::CopyListImage(int index) {
    if (index < 0 || index >= iconList_->Count())
        return;
    icon_->SetHandle(ImageList_GetIcon(iconList_->Handle(), index, ILD_NORMAL));
}

void TTrayIcon::Notification(ui::TComponent* removed) {
    ui::TComponent::Notification(removed);
    if (removed == iconList_) {
        iconList_ = nullptr;
        iconIndex_ = 0;
    }
    if (removed == PopupMenu)
        PopupMenu = nullptr;
}

bool TTrayIcon::AddTrayIcon() {
    iconVisible_ = true;
    return CallShell(NIM_ADD);
}

// An icon that is not in the tray has nothing to remove or update. Each shell
// call waits for the shell's process (under Wine it also copies the icon's
// bits), and a program whose icon never showed should not wait for the shell
// to end either.
bool TTrayIcon::RemoveTrayIcon() {
    if (!iconVisible_)
        return false;
    iconVisible_ = false;
    return CallShell(NIM_DELETE);
}

bool TTrayIcon::UpdateTrayIcon() {
    if (!iconVisible_)
        return false;
    return CallShell(NIM_MODIFY);
}

bool TTrayIcon::CallShell(DWORD operation) {
    FillNotifyData();
    return Shell_NotifyIconW(operation, &notifyData_) != FALSE;
}

void TTrayIcon::FillNotifyData() {
    notifyData_.hIcon = icon_->Handle();
    const std::wstring tip = TrayTip(hint_, showHint_);
    std::fill(std::begin(notifyData_.szTip), std::end(notifyData_.szTip), L'\0');
    tip.copy(notifyData_.szTip, tip.size());
}

void TTrayIcon::HandleNotification(UINT code) {
    const bool mouse = code >= WM_MOUSEFIRST && code <= WM_MOUSELAST;
    if (mouse && !Enabled)
        return;
    POINT cursor{};
    if (mouse)
        GetCursorPos(&cursor);
    const TShiftState shift = mouse ? KeyboardShift() : 0;
    switch (code) {
        case WM_MOUSEMOVE:
            if (wantEnterExitEvents_ && pointerGone_) {
                DoMouseEnter();
                pointerGone_ = false;
            }
            DoMouseMove(shift, cursor.x, cursor.y);
            lastPointerX_ = cursor.x;
            lastPointerY_ = cursor.y;
            break;
        case WM_LBUTTONDOWN:
            if (OnDblClick) {
                singleClickTimer_->SetInterval(GetDoubleClickTime());
                singleClickTimer_->SetEnabled(true);
            }
            DoMouseDown(TMouseButton::mbLeft, shift | ssLeft, cursor.x, cursor.y);
            leftDownSeen_ = true;
            if (LeftPopup)
                PopupAtCursor();
            break;
        case WM_LBUTTONUP:
            if (leftDownSeen_)
                singleClickDue_ = true;
            if (leftDownSeen_ && !singleClickTimer_->Enabled()) {
                leftDownSeen_ = false;
                singleClickDue_ = false;
                DoClick();
            }
            leftDownSeen_ = false;
            DoMouseUp(TMouseButton::mbLeft, shift | ssLeft, cursor.x, cursor.y);
            break;
        case WM_LBUTTONDBLCLK:
            singleClickDue_ = false;
            doubleClickSeen_ = true;
            DoDblClick();
            ClickDefaultItem();
            break;
        case WM_RBUTTONDOWN:
            DoMouseDown(TMouseButton::mbRight, shift | ssRight, cursor.x, cursor.y);
            PopupAtCursor();
            break;
        case WM_RBUTTONUP:
            DoMouseUp(TMouseButton::mbRight, shift | ssRight, cursor.x, cursor.y);
            break;
        case WM_MBUTTONDOWN:
            DoMouseDown(TMouseButton::mbMiddle, shift | ssMiddle, cursor.x, cursor.y);
            break;
        case WM_MBUTTONUP:
            DoMouseUp(TMouseButton::mbMiddle, shift | ssMiddle, cursor.x, cursor.y);
            break;
        case NIN_BALLOONSHOW:
            if (OnBalloonHintShow)
                OnBalloonHintShow(*this);
            break;
        case NIN_BALLOONHIDE:
            if (OnBalloonHintHide)
                OnBalloonHintHide(*this);
            break;
        case NIN_BALLOONTIMEOUT:
            if (OnBalloonHintTimeout)
                OnBalloonHintTimeout(*this);
            break;
        case NIN_BALLOONUSERCLICK:
            if (OnBalloonHintClick)
                OnBalloonHintClick(*this);
            break;
    }
}

void TTrayIcon::PopupAtCursor() {
    POINT cursor;
    if (!PopupMenu || !PopupMenu->AutoPopup || !GetCursorPos(&cursor))
        return;
    ui::TApplication& application = ui::Application();
    // The menu closes when the user clicks elsewhere only if the program is
    // in the foreground.
    SetForegroundWindow(application.Handle());
    application.ProcessMessages();
    PopupMenu->PopupComponent = this;
    PopupMenu->Popup(cursor.x, cursor.y);
    if (ownerControl_)
        PostMessageW(ownerControl_->Handle(), WM_NULL, 0, 0);
}

void TTrayIcon::ClickDefaultItem() {
    if (!PopupMenu || !PopupMenu->AutoPopup || LeftPopup)
        return;
    for (ui::TMenuItem* item : PopupMenu->Items->Items()) {
        if (item->Default()) {
            item->Click();
            return;
        }
    }
}

int TTrayIcon::NextIndex() const {
    if (iconList_ && iconIndex_ < iconList_->Count() - 1)
        return iconIndex_ + 1;
    return 0;
}

void TTrayIcon::CycleStep(TSimpleTimer&) {
    if (!iconList_)
        return;
    CopyListImage(iconIndex_);
    DoCycle();
    SetIconIndex(NextIndex());
}

void TTrayIcon::SingleClickStep(TSimpleTimer&) {
    singleClickTimer_->SetEnabled(false);
    if (!doubleClickSeen_ && singleClickDue_) {
        singleClickDue_ = false;
        DoClick();
    }
    doubleClickSeen_ = false;
}

void TTrayIcon::HoverPollStep(TSimpleTimer&) {
    if (pointerGone_)
        return;
    POINT cursor;
    GetCursorPos(&cursor);
    if (cursor.x != lastPointerX_ || cursor.y != lastPointerY_) {
        pointerGone_ = true;
        DoMouseExit();
    }
}

void TTrayIcon::HideMainForm() {
    ui::TApplication& application = ui::Application();
    ui::TForm* mainForm = application.MainForm();
    if (!ownerControl_ || !mainForm)
        return;
    mainForm->Hide();
    // The application window carries the task-bar button.
    if (IsWindowVisible(application.Handle()))
        ShowWindow(application.Handle(), SW_HIDE);
}

void TTrayIcon::DoMinimizeToTray() {
    HideMainForm();
    SetIconVisible(true);
}

bool TTrayIcon::HookApplication(ui::TMessage& m) {
    if (m.Msg == WM_SIZE && m.WParam == SIZE_MINIMIZED && MinimizeToTray) {
        DoMinimizeToTray();
    } else if (m.Msg == WM_SYSCOMMAND && m.WParam == SC_RESTORE) {
        if (ui::TForm* mainForm = ui::Application().MainForm())
            mainForm->Show();
    } else if (m.Msg != 0 && m.Msg == TaskbarCreatedMessage() && iconVisible_) {
        AddTrayIcon();
    }
    return false;
}

bool TTrayIcon::MinimizeStep(ui::TMessage& m) {
    if (!MinimizeToTray || !OnMinimizeToTray)
        return false;
    OnMinimizeToTray(*this);
    DoMinimizeToTray();
    m.Result = 1;
    return true;
}

void TTrayIcon::OwnerWndProc(ui::TMessage& m, const ui::NextHandler& next) {
    if (m.Msg == WM_SHOWWINDOW && m.WParam == 1 && m.LParam == 0) {
        SetForegroundWindow(ui::Application().Handle());
        SetForegroundWindow(ownerControl_->Handle());
    } else if (m.Msg == WM_SHOWWINDOW && m.WParam == 0 && m.LParam == SW_PARENTCLOSING &&
               !ui::Application().Terminated()) {
        if (MinimizeStep(m))
            return;
    } else if (m.Msg == WM_SYSCOMMAND && m.WParam == SC_MINIMIZE) {
        if (MinimizeStep(m))
            return;
    }
    next(m);
}

void TTrayIcon::DoClick() {
    if (OnClick)
        OnClick(*this);
}

void TTrayIcon::DoDblClick() {
    if (OnDblClick)
        OnDblClick(*this);
}

void TTrayIcon::DoCycle() {
    if (OnCycle)
        OnCycle(*this, NextIndex());
}

void TTrayIcon::DoMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown)
        OnMouseDown(*this, button, shift, x, y);
}

void TTrayIcon::DoMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp)
        OnMouseUp(*this, button, shift, x, y);
}

void TTrayIcon::DoMouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove)
        OnMouseMove(*this, shift, x, y);
}

void TTrayIcon::DoMouseEnter() {
    if (OnMouseEnter)
        OnMouseEnter(*this);
}

void TTrayIcon::DoMouseExit() {
    if (OnMouseExit)
        OnMouseExit(*this);
}
