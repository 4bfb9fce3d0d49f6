#include "skin/window/skin_manager.h"

#include <algorithm>
#include <string>

#include "skin/manager_decisions.h"
#include "skin/window/dib.h"
#include "skin/window/engine_messages.h"
#include "skin/window/gdi_text_painter.h"
#include "skin/window/window_facts.h"
#include "ui/application.h"

namespace skin::window {
namespace {

// The one manager whose hook and timer are running: the system calls their
// procedures without an object.
TSkinManager* g_manager = nullptr;

// OBM_CHECK, which <windows.h> names only with OEMRESOURCE defined.
constexpr int kCheckMarkBitmap = 32760;

}  // namespace

TSkinManager::TSkinManager(const SystemLook& look) : look_(look) {
    g_manager = this;
}

TSkinManager::~TSkinManager() {
    runState_ = ManagerRunState::Closing;
    enabled_ = false;
    if (timer_)
        KillTimer(nullptr, timer_);
    hook_.reset();
    // Frames owned by their forms outlive the manager only at the very end.
    for (TSkinForm* frame : frames_)
        frame->ForgetManager();
    frames_.clear();
    freeStanding_.clear();
    if (g_manager == this)
        g_manager = nullptr;
}

void TSkinManager::AddSkinData(TSkinData& data) {
    skinData_.push_back(&data);
    if (!main_ && data.SkinFormtype == TSkinFormType::sfMainform)
        main_ = &data;
}

void TSkinManager::RemoveSkinData(TSkinData& data) {
    std::erase(skinData_, &data);
    if (main_ == &data)
        main_ = nullptr;
    if (pending_ == &data)
        pending_ = nullptr;
    // Its windows give up the skin rather than keep a skin data that goes.
    const std::vector<TSkinForm*> frames = frames_;
    for (TSkinForm* frame : frames) {
        if (frame->SkinData() == &data)
            frame->Detach();
    }
    Purge();
}

void TSkinManager::PostCommand(ManagerCommand command, int delayMs) {
    command_ = command;
    commandPosted_ = true;
    if (runState_ == ManagerRunState::Idle) {
        if (command == ManagerCommand::SwitchOn)
            enabled_ = true;
        else if (command == ManagerCommand::SwitchOff)
            enabled_ = false;
        return;
    }
    if (timer_)
        KillTimer(nullptr, timer_);
    timer_ = SetTimer(nullptr, 0, static_cast<UINT>(delayMs), TimerProcedure);
}

void TSkinManager::DropCaptionButtons(TSkinData& data) {
    for (TSkinForm* frame : frames_) {
        if (frame->SkinData() == &data)
            frame->DropCaptionButtons();
    }
}

void TSkinManager::InstallHook() {
    if (!hook_)
        hook_.reset(SetWindowsHookExW(WH_CBT, HookProcedure, nullptr, GetCurrentThreadId()));
    if (!applicationLink_.Linked()) {
        if (ui::TControl* application = ui::TControl::FromHandle(ui::Application().Handle())) {
            applicationLink_ = ui::HandlerLink(
                application->Handlers(), [this](ui::TMessage& m, const ui::NextHandler& next) {
                    OnApplicationMessage(m, next);
                });
        }
    }
}

void TSkinManager::OnApplicationMessage(ui::TMessage& m, const ui::NextHandler& next) {
    try {
        switch (m.Msg) {
            case WM_INITMENUPOPUP: {
                const auto menu = reinterpret_cast<HMENU>(m.WParam);
                if (popupFrame_ || !enabled_)
                    break;
                for (TSkinForm* frame : frames_) {
                    if (frame->State() == SkinState::Running && frame->OwnsPopupMenu(menu)) {
                        popupFrame_ = frame;
                        frame->OpenPopupMenu(menu);
                        break;
                    }
                }
                break;
            }
            case WM_MEASUREITEM:
            case WM_DRAWITEM:
            case WM_MENUCHAR:
                if (popupFrame_ && popupFrame_->OnMenuMessage(m))
                    return;
                break;
            case WM_EXITMENULOOP:
                if (popupFrame_)
                    popupFrame_->ClosePopupMenus();
                popupFrame_ = nullptr;
                break;
            default:
                break;
        }
    } catch (...) {
        // The menu shows in the system's look.
    }
    next(m);
}

void TSkinManager::AttachMenuWindow(HWND window) {
    std::erase_if(menuWindows_, [](const auto& w) { return w->Destroyed(); });
    if (main_)
        menuWindows_.push_back(std::make_unique<TSkinPopupMenu>(window, *main_, look_));
}

TSkinPopupMenu* TSkinManager::MenuWindow(HWND window) {
    for (const auto& menuWindow : menuWindows_) {
        if (menuWindow->Handle() == window && !menuWindow->Destroyed())
            return menuWindow.get();
    }
    return nullptr;
}

void TSkinManager::SkinOwnerForm(TSkinData&) {
    // The skin data of other form types skin their owner form; this
    // program's skin data serves every window (sfMainform), so it owns none.
}

bool TSkinManager::HasScrollBarInfo() const {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 && GetProcAddress(user32, "GetScrollBarInfo");
}

TextPainter& TSkinManager::MenuFont() {
    if (!menuFont_)
        menuFont_ = std::make_unique<GdiTextPainter>(MenuLogFont(), Ampersand::MarksAccelerator);
    return *menuFont_;
}

TextPainter& TSkinManager::MenuBoldFont() {
    if (!menuBoldFont_) {
        LOGFONTW font = MenuLogFont();
        font.lfWeight = FW_BOLD;
        menuBoldFont_ = std::make_unique<GdiTextPainter>(font, Ampersand::MarksAccelerator);
    }
    return *menuBoldFont_;
}

const Bitmap& TSkinManager::CheckMark() {
    if (checkMark_.Empty()) {
        const ui::OwnedBitmap mark(LoadBitmapW(nullptr, MAKEINTRESOURCEW(kCheckMarkBitmap)));
        BITMAP facts{};
        if (mark && GetObjectW(mark.get(), sizeof facts, &facts)) {
            DibSection section(facts.bmWidth, facts.bmHeight);
            const OwnedDC source(CreateCompatibleDC(nullptr));
            const HGDIOBJ previous = SelectObject(source.get(), mark.get());
            BitBlt(section.Dc(), 0, 0, facts.bmWidth, facts.bmHeight, source.get(), 0, 0, SRCCOPY);
            SelectObject(source.get(), previous);
            checkMark_ = Bitmap(facts.bmWidth, facts.bmHeight);
            section.Store(checkMark_, {0, 0});
        }
    }
    return checkMark_;
}

TSkinForm* TSkinManager::FindSkinnedWindow(HWND window) const {
    const auto found = std::find_if(frames_.begin(), frames_.end(), [window](TSkinForm* f) {
        return f->Handle() == window && f->State() != SkinState::Destroyed;
    });
    return found == frames_.end() ? nullptr : *found;
}

bool TSkinManager::SkinWindow(HWND window) {
    if (!enabled_)
        return false;
    Purge();
    if (FindSkinnedWindow(window))
        return false;
    ui::TControl* widget = ui::TControl::FromHandle(window);
    const WindowFacts facts = FactsOfWindow(window, widget, enumerating_);
    std::vector<AnnouncedSkinData> announced;
    for (TSkinData* data : skinData_)
        announced.push_back({data, false});
    const SkinWindowAnswer answer = DecideSkinWindow(facts, announced, main_);
    if (answer.RefusedBy != SkinWindowTest::Passed)
        return false;
    TSkinForm* frame = nullptr;
    if (widget) {
        frame = ui::Make<TSkinForm>(*widget, *widget, *this, *answer.SkinData);
    } else {
        freeStanding_.push_back(std::make_unique<TSkinForm>(window, *this, *answer.SkinData));
        frame = freeStanding_.back().get();
    }
    frames_.push_back(frame);
    PostMessageW(window, kStartFrameMessage, 0, 1000);
    return true;
}

bool TSkinManager::SkinForm(ui::TForm& form) {
    const HWND window = form.Handle();
    if (!window || !IsWindowVisible(window) || (GetWindowLongW(window, GWL_STYLE) & WS_CHILD))
        return true;
    return SkinWindow(window);
}

void TSkinManager::Forget(TSkinForm& frame) {
    std::erase(frames_, &frame);
    if (popupFrame_ == &frame)
        popupFrame_ = nullptr;
}

void TSkinManager::Purge() {
    // Frames whose windows are gone or that gave their window back, unless
    // a message of theirs is still on its way (a menu of theirs is open).
    std::vector<TSkinForm*> done;
    for (TSkinForm* frame : frames_) {
        const SkinState state = frame->State();
        if ((state == SkinState::Destroyed || state == SkinState::Detaching) && !frame->Busy())
            done.push_back(frame);
    }
    for (TSkinForm* frame : done) {
        if (frame->OwnedByForm()) {
            frame->Owner()->FreeComponent(frame);
        } else {
            std::erase_if(freeStanding_, [frame](const std::unique_ptr<TSkinForm>& f) {
                return f.get() == frame;
            });
        }
    }
}

void TSkinManager::SwitchOff() {
    const std::vector<TSkinForm*> frames = frames_;
    for (TSkinForm* frame : frames)
        frame->Detach();
    Purge();
}

void TSkinManager::Refresh(TSkinData& data) {
    Purge();
    std::vector<TSkinForm*> frames;
    for (TSkinForm* frame : frames_) {
        if (frame->SkinData() == &data)
            frames.push_back(frame);
    }
    for (TSkinForm* frame : frames) {
        frame->DropCaptionButtons();
        frame->MeasureFrame();
    }
    for (TSkinForm* frame : frames)
        frame->Refresh();
}

void TSkinManager::RunPendingCommand() {
    if (timer_) {
        KillTimer(nullptr, timer_);
        timer_ = 0;
    }
    if (!commandPosted_ || !pending_)
        return;
    commandPosted_ = false;
    TSkinData& data = *pending_;
    switch (command_) {
        case ManagerCommand::SwitchOn: {
            enabled_ = true;
            enumerating_ = true;
            Purge();
            const std::vector<ui::TForm*> forms = ui::Application().Forms();
            for (auto form = forms.rbegin(); form != forms.rend(); ++form)
                SkinForm(**form);
            enumerating_ = false;
            break;
        }
        case ManagerCommand::SwitchOff:
            enabled_ = false;
            SwitchOff();
            break;
        case ManagerCommand::Refresh:
            Refresh(data);
            break;
        case ManagerCommand::PurgeClosed:
            Purge();
            break;
    }
    pending_ = nullptr;
    data.DoSkinChanged();
}

LRESULT CALLBACK TSkinManager::HookProcedure(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0 && g_manager) {
        try {
            if (code == HCBT_CREATEWND) {
                const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
                const LPCWSTR className = create->lpcs->lpszClass;
                const bool menuWindow =
                    IS_INTRESOURCE(className)
                        ? LOWORD(reinterpret_cast<ULONG_PTR>(className)) == 32768
                        : std::wstring_view(className) == L"#32768";
                if (menuWindow && g_manager->enabled_)
                    g_manager->AttachMenuWindow(reinterpret_cast<HWND>(wParam));
                else if (create->lpcs->dwExStyle & WS_EX_MDICHILD)
                    g_manager->SkinWindow(reinterpret_cast<HWND>(wParam));
            } else if (code == HCBT_ACTIVATE) {
                if (g_manager->runState_ == ManagerRunState::Idle)
                    g_manager->runState_ = ManagerRunState::Started;
                g_manager->SkinWindow(reinterpret_cast<HWND>(wParam));
            }
        } catch (...) {
            // The window keeps its ordinary frame.
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK TSkinManager::TimerProcedure(HWND, UINT, UINT_PTR, DWORD) {
    if (!g_manager)
        return;
    try {
        g_manager->RunPendingCommand();
    } catch (...) {
        // The command is lost; the windows stay as they were.
    }
}

}  // namespace skin::window
