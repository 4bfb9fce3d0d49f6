#include "skin/window/skin_control.h"

#include "skin/window/engine_messages.h"
#include "ui/wide_text.h"

namespace skin::window {

Rect WindowPlace(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return {0, 0, r.right - r.left, r.bottom - r.top};
}

Rect ClientPlace(HWND window) {
    RECT own, client;
    GetWindowRect(window, &own);
    GetClientRect(window, &client);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    return {client.left - own.left, client.top - own.top, client.right - own.left,
            client.bottom - own.top};
}

void ExcludeChildWindows(HDC dc, HWND window) {
    RECT own;
    GetWindowRect(window, &own);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child))
            continue;
        RECT r;
        GetWindowRect(child, &r);
        ExcludeClipRect(dc, r.left - own.left, r.top - own.top, r.right - own.left,
                        r.bottom - own.top);
    }
}

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int read = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(read));
    return Narrow(text);
}

TSkinControl::TSkinControl(const ControlContext& context, const MemberFacts& member)
    : context_(context), member_(member) {}

TSkinControl::~TSkinControl() {
    // The owner has called Detach; this only makes sure no link outlives
    // the object.
    link_.Remove();
    subclass_.reset();
}

void TSkinControl::Hook() {
    const ui::TLinkHandler handler = [this](ui::TMessage& m, const ui::NextHandler& next) {
        OnMessage(m, next);
    };
    if (control_)
        link_ = ui::HandlerLink(control_->Handlers(), handler);
    else
        subclass_ = std::make_unique<ui::WindowSubclass>(window_, handler);
}

void TSkinControl::AttachControl(ui::TControl& control, bool changeColor) {
    control_ = &control;
    window_ = control.Handle();
    unicode_ = IsWindowUnicode(window_) != FALSE;
    Hook();
    changeColor_ = changeColor;
    if (changeColor_) {
        if (!HasOption(TSkinOption::xoParentBackGround) && control.ParentBackground()) {
            control.SetParentBackground(false);
            parentBackgroundCleared_ = true;
        }
        savedColor_ = control.Color();
        savedParentColor_ = control.ParentColor();
        control.SetColor(ResolveColour(Skin()->Colours.ButtonFace, Look()));
    }
    InvalidateRect(window_, nullptr, TRUE);
    life_ = LifeState::Attached;
}

void TSkinControl::AttachWindow(HWND window) {
    window_ = window;
    unicode_ = IsWindowUnicode(window_) != FALSE;
    Hook();
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    life_ = LifeState::Attached;
}

void TSkinControl::Detach() {
    if (life_ != LifeState::Attached)
        return;
    link_.Remove();
    subclass_.reset();
    life_ = LifeState::Detached;
    RestoreLook();
    RedrawWindow(window_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TSkinControl::RestoreLook() {
    if (!changeColor_ || !control_)
        return;
    if (parentBackgroundCleared_)
        control_->SetParentBackground(true);
    parentBackgroundCleared_ = false;
    // A control that showed its parent's colour does so again, whatever
    // colour the parent has by now.
    if (savedParentColor_)
        control_->SetParentColor(true);
    else if (savedColor_)
        control_->SetColor(*savedColor_);
    savedColor_.reset();
}

void TSkinControl::Refresh() {
    if (life_ != LifeState::Attached)
        return;
    if (changeColor_ && control_)
        control_->SetColor(ResolveColour(Skin()->Colours.ButtonFace, Look()));
    paintFailed_ = false;
    Repaint();
}

void TSkinControl::OnMessage(ui::TMessage& m, const ui::NextHandler& next) {
    if (m.Msg == kSkinPaintingMessage) {
        skinOn_ = m.WParam > 0;
        // Either way the control shows its new look at once.
        Repaint();
        return;
    }
    if (!skinOn_) {
        next(m);
        return;
    }
    if (BeforeMessage(m, next)) {
        next(m);
        AfterMessage(m);
    }
}

bool TSkinControl::BeforeMessage(ui::TMessage& m, const ui::NextHandler& next) {
    switch (m.Msg) {
        case WM_NCDESTROY:
            next(m);
            skinOn_ = false;
            life_ = LifeState::WindowDestroyed;
            // The widget object may be going too: nothing of it is touched
            // from here on.
            control_ = nullptr;
            return false;
        case kAlreadySkinnedMessage:
            m.Result = 1;
            return false;
        default:
            return true;
    }
}

void TSkinControl::AfterMessage(ui::TMessage& m) {
    switch (m.Msg) {
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
        case WM_SETTEXT:
        case ui::CM_ENABLEDCHANGED:
            Repaint();
            break;
        case WM_PAINT:
            PaintWindow(reinterpret_cast<HDC>(m.WParam));
            break;
        default:
            break;
    }
}

bool TSkinControl::CanDraw(const SkinDefinition& skin) const {
    return SkinDrawsMember(member_, skin);
}

bool TSkinControl::CanDrawNow() const {
    const SkinSnapshot skin = Skin();
    return skin && CanDraw(*skin);
}

void TSkinControl::DrawControl(HDC, Rect, const SkinDefinition&) {}

bool TSkinControl::PaintWindow(HDC dc) {
    const SkinSnapshot skin = Skin();
    if (!skin || !CanDraw(*skin) || life_ != LifeState::Attached)
        return false;
    try {
        if (dc) {
            DrawControl(dc, WindowPlace(window_), *skin);
        } else {
            const ui::WholeWindowDC own(window_);
            DrawControl(own.get(), WindowPlace(window_), *skin);
        }
        return true;
    } catch (...) {
        return false;
    }
}

bool TSkinControl::PaintMessage(ui::TMessage& m) {
    if (paintFailed_) {
        // One ordinary painting after a failed one; the next tries again.
        paintFailed_ = false;
        return false;
    }
    const SkinSnapshot skin = Skin();
    if (!skin || !CanDraw(*skin))
        return false;
    bool painted;
    if (m.WParam) {
        painted = PaintWindow(reinterpret_cast<HDC>(m.WParam));
    } else {
        PAINTSTRUCT ps;
        const HDC dc = BeginPaint(window_, &ps);
        painted = PaintWindow(dc);
        EndPaint(window_, &ps);
    }
    if (!painted) {
        paintFailed_ = true;
        InvalidateRect(window_, nullptr, TRUE);
    }
    m.Result = 0;
    return true;
}

bool TSkinControl::PaintAlone(ui::TMessage& m) {
    if (m.Msg == WM_PAINT)
        return PaintMessage(m);
    if (m.Msg == WM_ERASEBKGND && CanDrawNow()) {
        m.Result = 1;
        return true;
    }
    return false;
}

void TSkinControl::Repaint() {
    const HWND target = Companion ? Companion : window_;
    InvalidateRect(target, nullptr, TRUE);
    if (!Companion)
        UpdateWindow(target);
}

TextPainter& TSkinControl::Font(Ampersand ampersand) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(window_, WM_GETFONT, 0, 0));
    if (!font)
        font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    if (!painter_ || font != painterFont_ || ampersand != painterAmpersand_) {
        LOGFONTW logFont{};
        GetObjectW(font, sizeof logFont, &logFont);
        painter_ = std::make_unique<GdiTextPainter>(logFont, ampersand);
        painterFont_ = font;
        painterAmpersand_ = ampersand;
    }
    return *painter_;
}

void TSkinControl::TrackPointerLeave() const {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window_, 0};
    TrackMouseEvent(&track);
}

void TSkinControl::FollowHotPart(const ui::TMessage& m, int& hot, int partAtPointer) {
    const int now = m.Msg == WM_MOUSELEAVE ? -1 : partAtPointer;
    if (now == hot)
        return;
    if (hot < 0 && now >= 0)
        TrackPointerLeave();
    hot = now;
    Repaint();
}

std::string TSkinControl::Caption() const {
    return control_ ? control_->Caption() : WindowText(window_);
}

Colour TSkinControl::FontColour() const {
    const Colour colour =
        control_ ? control_->Font().Color() : SystemColour(SystemColourIndex::ButtonText);
    return ResolveColour(colour, Look());
}

Colour TSkinControl::ParentColour() const {
    if (!control_ || !control_->Parent())
        return kNoColour;
    return ResolveColour(control_->Parent()->Color(), Look());
}

}  // namespace skin::window
