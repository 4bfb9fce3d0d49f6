#include "skin/window/skin_form.h"

#include <algorithm>

#include "skin/frame_resize.h"
#include "skin/key_menu.h"
#include "skin/window/engine_messages.h"
#include "skin/window/held_drawing.h"
#include "skin/window/skin_manager.h"
#include "skin/window/skinned_controls.h"
#include "skin/window/system_menu_session.h"
#include "skin/window/window_facts.h"
#include "skin/window/window_icon.h"
#include "skin/window/window_region.h"
#include "skin/window_outline.h"
#include "ui/form.h"
#include "ui/message.h"
#include "ui/wide_text.h"

namespace skin::window {
namespace {

Size SizeOf(const RECT& r) {
    return {r.right - r.left, r.bottom - r.top};
}

SystemVersion RunningVersion() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExW(&info);
#pragma GCC diagnostic pop
    return {info.dwPlatformId == VER_PLATFORM_WIN32_NT, static_cast<int>(info.dwMajorVersion),
            static_cast<int>(info.dwMinorVersion)};
}

std::string WindowTextOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return Narrow(text);
}

// Keeps a count of the frame's handling on the stack while it runs.
class Depth {
  public:
    explicit Depth(int& depth) : depth_(depth) { ++depth_; }
    ~Depth() { --depth_; }
    Depth(const Depth&) = delete;
    Depth& operator=(const Depth&) = delete;

  private:
    int& depth_;
};

}  // namespace

TSkinForm::TSkinForm(ui::TComponent& owner, ui::TControl& form, TSkinManager& manager,
                     TSkinData& data)
    : ui::TComponent(&owner), window_(form.Handle()), form_(&form), manager_(&manager) {
    Attach(data);
}

TSkinForm::TSkinForm(HWND window, TSkinManager& manager, TSkinData& data)
    : ui::TComponent(nullptr), window_(window), manager_(&manager) {
    Attach(data);
}

TSkinForm::~TSkinForm() {
    if (state_ != SkinState::Detaching && state_ != SkinState::Destroyed)
        Unhook();
    if (manager_)
        manager_->Forget(*this);
}

void TSkinForm::Attach(TSkinData& data) {
    data_ = &data;
    doubleClickTime_ = GetDoubleClickTime();
    ReadWindowFacts();
    frameSkinned_ = FrameSkinned(data.SkinControls, data.Options, facts_.Mdi == MdiRole::Child);
    caption_ = WindowTextOf(window_);
    RECT windowRect, clientRect;
    GetWindowRect(window_, &windowRect);
    GetClientRect(window_, &clientRect);
    windowRect_ = windowRect;
    client_ = SizeOf(clientRect);
    const Size window = SizeOf(windowRect);
    systemNonClient_ = {window.width - client_.width, window.height - client_.height};

    const ui::TLinkHandler handler = [this](ui::TMessage& m, const ui::NextHandler& next) {
        const Depth depth(handlerDepth_);
        OnMessage(m, next);
    };
    if (form_)
        link_ = ui::HandlerLink(form_->Handlers(), handler);
    else
        subclass_ = std::make_unique<ui::WindowSubclass>(window_, handler);

    if (!frameSkinned_) {
        state_ = SkinState::Running;
        return;
    }
    initialMenu_ = GetMenu(window_);
    const bool menuBar = initialMenu_ && facts_.Mdi != MdiRole::Child;
    if (menuBar)
        metrics_.MenuBarHeight = GetSystemMetrics(SM_CYMENU);
    if (facts_.CaptionStyleMode && show_ != ShowState::Minimised)
        SetStyleBits(0, WS_CAPTION);
    MeasureFrame();
    ApplyFaceColour();
    if (menuBar) {
        const auto* form = dynamic_cast<ui::TForm*>(form_);
        menuBar_ = std::make_unique<TSkinMenuBar>(window_, form ? form->Menu() : nullptr);
        menuBar_->Rebuild(TSkinMenuBar::MenuRemoval::Later);
    }
}

void TSkinForm::ReadWindowFacts() {
    const LONG style = GetWindowLongW(window_, GWL_STYLE);
    const LONG exStyle = GetWindowLongW(window_, GWL_EXSTYLE);
    className_ = ClassNameOf(window_);
    WindowStyleFacts s;
    s.ThickFrame = (style & WS_THICKFRAME) != 0;
    s.Caption = (style & WS_CAPTION) == WS_CAPTION;
    s.ModalFrame = (style & DS_MODALFRAME) || (exStyle & WS_EX_DLGMODALFRAME);
    s.MaximizeBox = (style & WS_MAXIMIZEBOX) != 0;
    s.MinimizeBox = (style & WS_MINIMIZEBOX) != 0;
    s.SysMenu = (style & WS_SYSMENU) != 0;
    s.HasSystemMenu = GetSystemMenu(window_, FALSE) != nullptr;
    s.AppWindow = (exStyle & WS_EX_APPWINDOW) != 0;
    s.MdiChild = (exStyle & WS_EX_MDICHILD) != 0;
    s.LeftScrollBar = (exStyle & WS_EX_LEFTSCROLLBAR) != 0;
    s.HasOwner = GetWindow(window_, GW_OWNER) != nullptr;
    s.HasMdiClient = FindWindowExW(window_, nullptr, L"MDIClient", nullptr) != nullptr;
    s.ClassName = className_;
    facts_ = ReadFrameFacts(s, RunningVersion());
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window_, &placement);
    show_ = ShowStateFromShowCommand(static_cast<int>(placement.showCmd));
}

void TSkinForm::DropCaptionButtons() {
    ClearHotElement();
}

void TSkinForm::MeasureFrame() {
    if (!data_)
        return;
    skin_ = data_->Skin();
    const int menuBarHeight = metrics_.MenuBarHeight;
    metrics_ = skin::MeasureFrame(*skin_, facts_.Kind, menuBarHeight);
    ClearHotElement();
    buttons_ = MakeCaptionButtons(skin_);
    const bool iconButton = std::any_of(buttons_.begin(), buttons_.end(),
                                        [](const auto& b) { return IsIconButton(b.Button()); });
    if (!iconButton)
        return;
    // A window without an icon of its own shows the application's.
    if (const HICON icon = WindowIcon(window_)) {
        iconPicture_ = IconPicture(icon, SmallIconSize());
        if (data_->ApplicationIcon().Empty())
            data_->SetApplicationIcon(iconPicture_);
    } else {
        iconPicture_ = data_->ApplicationIcon();
    }
}

void TSkinForm::Start() {
    systemMenu_ = GetSystemMenu(window_, FALSE);
    if (form_)
        controls_ = ClassifyControls(*this, *form_, *data_, menuBar_ != nullptr);
    const bool resizing = state_ == SkinState::Attached && frameSkinned_ &&
                          !(GetWindowLongW(window_, GWL_STYLE) & WS_CHILD) &&
                          facts_.Kind != FrameKind::NoCaption && show_ != ShowState::Minimised;
    if (resizing) {
        {
            const HeldDrawing held(window_);
            HandOverControls();
            state_ = SkinState::Resizing;
            ResizeToSkinnedFrame(false);
        }
        // The frame's first skinned paint, now; the controls follow in the
        // ordinary course of painting.
        RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_NOCHILDREN);
    } else {
        HandOverControls();
    }
    // Where no resize carried it out (a maximised, minimised or captionless
    // window), the menu leaves the window on its own.
    if (menuBar_ && GetMenu(window_))
        SetMenu(window_, nullptr);
    state_ = SkinState::Running;
    // The frame was not painted while it waited for its start.
    if (!resizing)
        RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    SendMessageW(window_, kFrameReadyMessage, 0, kFrameSignature);
    if (active_)
        StartHoverTimer();
}

void TSkinForm::ResizeToSkinnedFrame(bool refreshing) {
    const UINT activation = refreshing ? SWP_NOACTIVATE : 0;
    if (show_ == ShowState::Maximised) {
        SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | activation);
        return;
    }
    Size client = client_;
    if (refreshing) {
        RECT r;
        GetClientRect(window_, &r);
        client = SizeOf(r);
    }
    Size size = SkinnedWindowSize(client, metrics_);
    TextPainter* captionFont = data_ ? data_->CaptionFont() : nullptr;
    if (facts_.DialogClass && !refreshing && captionFont) {
        const CaptionFit fit =
            FitCaptionText(size.width, captionFont->Measure(caption_).width, skin_->Title);
        size.width = fit.Width;
        if (fit.ChildShift > 0) {
            for (HWND child = GetWindow(window_, GW_CHILD); child;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                RECT r;
                GetWindowRect(child, &r);
                MapWindowPoints(HWND_DESKTOP, window_, reinterpret_cast<POINT*>(&r), 2);
                SetWindowPos(child, nullptr, r.left + fit.ChildShift, r.top, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING |
                                 SWP_NOOWNERZORDER);
            }
        }
    }
    // The outline first, without a repaint: the resize paints the frame once.
    SetOutline(size, false);
    if (!refreshing && menuBar_ && GetMenu(window_)) {
        // Taking the menu out changes the frame anyway: that one change
        // carries the new size too, instead of laying the window out twice.
        menuRemovalSize_ = size;
        SetMenu(window_, nullptr);
        if (!menuRemovalSize_)
            return;
        menuRemovalSize_.reset();
    }
    SetWindowPos(window_, nullptr, 0, 0, size.width, size.height,
                 SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOMOVE | activation);
}

void TSkinForm::SetOutline(Size size, bool repaint) {
    if (!frameSkinned_ || !skin_ || size.width * size.height == 0)
        return;
    OwnedRegion region = RegionOf(BuildWindowOutline(*skin_, metrics_, facts_.Kind, size, active_));
    // The system owns the region once the window has it.
    settingOutline_ = true;
    const bool taken = region && SetWindowRgn(window_, region.get(), repaint);
    settingOutline_ = false;
    if (taken)
        region.release();
    regionSize_ = size;
}

void TSkinForm::BuildRegion() {
    if (state_ == SkinState::Destroyed)
        return;
    RECT r;
    GetWindowRect(window_, &r);
    if (SizeOf(r) != regionSize_)
        SetOutline(SizeOf(r), true);
}

void TSkinForm::ApplyFaceColour() {
    if (!form_ || !data_)
        return;
    if (!savedColor_)
        savedColor_ = form_->Color();
    form_->SetColor(ResolveColour(data_->Skin()->Colours.ButtonFace, manager_->Look()));
}

void TSkinForm::Refresh() {
    if (!data_ || state_ != SkinState::Running)
        return;
    state_ = SkinState::Refreshing;
    ApplyFaceColour();
    if (form_)
        controls_ = ClassifyControls(*this, *form_, *data_, menuBar_ != nullptr);
    {
        // The window, its frame and its controls paint once, in their new
        // looks, when this ends.
        const HeldDrawing held(window_);
        HandOverControls();
        faceBrush_.reset();
        if (frameSkinned_)
            ResizeToSkinnedFrame(true);
    }
    SendMessageW(window_, kFrameReadyMessage, 0, kFrameSignature);
    state_ = SkinState::Running;
}

void TSkinForm::Unhook() {
    StopHoverTimer();
    systemMenuSession_.reset();
    link_.Remove();
    subclass_.reset();
    childSkins_.reset();
    controls_.clear();
}

void TSkinForm::Detach() {
    if (state_ == SkinState::Detaching || state_ == SkinState::Destroyed)
        return;
    state_ = SkinState::Detaching;
    Unhook();
    if (form_ && savedColor_)
        form_->SetColor(*savedColor_);
    if (facts_.SystemMenu)
        SetStyleBits(WS_SYSMENU, 0);
    if (facts_.CaptionStyleMode)
        SetStyleBits(WS_CAPTION, 0);
    if (menuBar_) {
        SetMenu(window_, initialMenu_);
        menuBar_.reset();
    }
    if (frameSkinned_ && !(GetWindowLongW(window_, GWL_STYLE) & WS_CHILD)) {
        RECT r;
        GetWindowRect(window_, &r);
        const Size nonClient{systemNonClient_.width,
                             systemNonClient_.height - metrics_.MenuBarHeight};
        const Size size = UnskinnedWindowSize(SizeOf(r), nonClient, metrics_);
        SetWindowPos(window_, nullptr, 0, 0, size.width, size.height,
                     SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE);
    }
    SetWindowRgn(window_, nullptr, TRUE);
    data_ = nullptr;
}

void TSkinForm::UpdateShowState() {
    const LONG style = GetWindowLongW(window_, GWL_STYLE);
    show_ = (style & WS_MINIMIZE)   ? ShowState::Minimised
            : (style & WS_MAXIMIZE) ? ShowState::Maximised
                                    : ShowState::Normal;
}

void TSkinForm::SetStyleBits(LONG add, LONG remove) {
    const LONG style = GetWindowLongW(window_, GWL_STYLE);
    const LONG changed = (style | add) & ~remove;
    if (changed != style)
        SetWindowLongW(window_, GWL_STYLE, changed);
}

void TSkinForm::SetActive(bool active) {
    active_ = active;
    if (active_ && state_ == SkinState::Running)
        StartHoverTimer();
    else
        StopHoverTimer();
}

void TSkinForm::OnMessage(ui::TMessage& m, const ui::NextHandler& next) {
    if (!frameSkinned_ && m.Msg != kStartFrameMessage && m.Msg != kAlreadySkinnedMessage &&
        m.Msg != WM_NCDESTROY) {
        next(m);
        return;
    }
    switch (m.Msg) {
        case kStartFrameMessage:
            Start();
            return;
        case kAlreadySkinnedMessage:
            m.Result = 1;
            return;
        case kRecreateControlSkinMessage:
            if (childSkins_)
                childSkins_->Recreate(reinterpret_cast<HWND>(m.WParam));
            return;
        case kPaintFrameMessage:
            PaintFrame();
            return;
        case kPaintFrameOnMessage:
            if (m.LParam != kFrameSignature)
                break;
            if (m.WParam)
                PaintFrame(reinterpret_cast<HDC>(m.WParam));
            m.Result = kFrameSignature;
            return;
        case kIsSkinnedFrameMessage:
            m.Result = m.LParam == kFrameSignature ? kFrameSignature : 1;
            return;
        case WM_WINDOWPOSCHANGING:
            if (menuRemovalSize_) {
                auto* pos = reinterpret_cast<WINDOWPOS*>(m.LParam);
                pos->cx = menuRemovalSize_->width;
                pos->cy = menuRemovalSize_->height;
                pos->flags &= ~SWP_NOSIZE;
                menuRemovalSize_.reset();
            }
            break;
        case WM_NCCALCSIZE: {
            next(m);
            if (!m.WParam)
                return;
            auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
            const WINDOWPOS& pos = *params->lppos;
            if (settingOutline_) {
                RECT client;
                GetClientRect(window_, &client);
                MapWindowPoints(window_, GetAncestor(window_, GA_PARENT),
                                reinterpret_cast<POINT*>(&client), 2);
                params->rgrc[0] = client;
            } else if (facts_.Kind != FrameKind::NoCaption) {
                const Rect client = metrics_.ClientRect({pos.cx, pos.cy});
                params->rgrc[0] = {pos.x + client.left, pos.y + client.top, pos.x + client.right,
                                   pos.y + client.bottom};
            }
            params->rgrc[1] = params->rgrc[0];
            m.Result = WVR_VALIDRECTS;
            return;
        }
        case WM_NCPAINT:
            if (state_ == SkinState::Attached) {
                m.Result = 0;
                return;
            }
            if (facts_.SystemMenu && !facts_.CaptionStyleMode)
                SetStyleBits(0, WS_SYSMENU);
            if (facts_.Kind == FrameKind::NoCaption)
                break;
            PaintFrame();
            m.Result = 0;
            return;
        case WM_NCACTIVATE:
            // Answering TRUE lets the activation change go on; before the
            // start nothing is painted.
            if (state_ != SkinState::Attached) {
                SetActive(m.WParam != FALSE);
                PaintFrame();
            }
            m.Result = TRUE;
            return;
        case WM_ACTIVATE:
            SetActive(LOWORD(m.WParam) != WA_INACTIVE);
            break;
        case WM_SIZE:
            next(m);
            if (const auto show = ShowStateFromSizeRequest(static_cast<int>(m.WParam)))
                show_ = *show;
            if (show_ != ShowState::Minimised &&
                (state_ == SkinState::Running || state_ == SkinState::Refreshing))
                BuildRegion();
            return;
        case WM_GETMINMAXINFO:
            next(m);
            UpdateShowState();
            if (facts_.CaptionStyleMode) {
                if (show_ == ShowState::Minimised)
                    SetStyleBits(WS_CAPTION, 0);
                else
                    SetStyleBits(0, WS_CAPTION);
            }
            return;
        case WM_WINDOWPOSCHANGED:
            UpdateShowState();
            GetWindowRect(window_, &windowRect_);
            break;
        case WM_ERASEBKGND:
            if (form_ || !skin_)
                break;
            if (!faceBrush_) {
                faceBrush_.reset(CreateSolidBrush(static_cast<COLORREF>(
                    ResolveColour(skin_->Colours.ButtonFace, manager_->Look()))));
            }
            {
                RECT r;
                GetClientRect(window_, &r);
                FillRect(reinterpret_cast<HDC>(m.WParam), &r, faceBrush_.get());
            }
            m.Result = 1;
            return;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            next(m);
            if (!form_ && faceBrush_) {
                SetBkMode(reinterpret_cast<HDC>(m.WParam), TRANSPARENT);
                if (m.Msg == WM_CTLCOLORSTATIC)
                    m.Result = reinterpret_cast<intptr_t>(faceBrush_.get());
            }
            return;
        case WM_NCHITTEST:
            OnHitTest(m, next);
            return;
        case WM_NCMOUSEMOVE:
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONUP:
        case WM_NCLBUTTONDBLCLK:
        case WM_NCRBUTTONDOWN:
            if (state_ == SkinState::Running && OnNonClientMouse(m, next))
                return;
            break;
        case WM_SYSCOMMAND:
            OnSystemCommand(m, next);
            return;
        case WM_COMMAND:
            if (RepostsAsSystemCommand(LOWORD(m.WParam)) && m.LParam == 0) {
                PostMessageW(window_, WM_SYSCOMMAND, LOWORD(m.WParam), 0);
                return;
            }
            break;
        case WM_TIMER:
            if (m.WParam == kHoverTimer) {
                CheckHover();
                return;
            }
            break;
        case 0xAE:  // the system's request to paint a themed caption
            m.Result = 0;
            return;
        case WM_SETTEXT: {
            // The system paints its own caption over the frame when the text
            // of a window with a caption changes: for that moment it has
            // none.
            const bool caption = (GetWindowLongW(window_, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
            if (caption)
                SetStyleBits(0, WS_DLGFRAME);
            next(m);
            if (caption)
                SetStyleBits(WS_DLGFRAME, 0);
            caption_ = WindowTextOf(window_);
            PaintFrame();
            return;
        }
        case WM_MEASUREITEM:
        case WM_DRAWITEM:
        case WM_MENUCHAR:
        case WM_MENUSELECT:
        case kOpenButtonMenuMessage:
        case ui::CM_DIALOGCHAR:
            if (OnMenuMessage(m))
                return;
            break;
        case MN_GETHMENU:
            // The menu the band shows, for those who would ask the window's
            // menu bar.
            if (!menuBar_)
                break;
            m.Result = reinterpret_cast<intptr_t>(menuBar_->MenuHandle());
            return;
        case ui::CM_MENUCHANGED:
            next(m);
            if (menuBar_ && data_ && data_->MenuUpdate && GetMenu(window_)) {
                menuBar_->Rebuild();
                PaintFrame();
            }
            return;
        case WM_NCDESTROY:
            state_ = SkinState::Detaching;
            Unhook();
            menuBar_.reset();
            next(m);
            state_ = SkinState::Destroyed;
            return;
        default:
            break;
    }
    next(m);
}

}  // namespace skin::window
