#include "skin/window/skin_sizer.h"

#include "skin/window/engine_messages.h"
#include "ui/win_handle.h"

namespace skin::window {
namespace {

// The bar whose tracking runs on this thread; the tracking is modal, so
// there is at most one.
thread_local HWND trackedBar = nullptr;

// The system's timer message, which drives the repeat of a held arrow.
constexpr UINT kSystemTimer = 0x118;

bool IsTrackingStep(UINT msg) {
    return (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || msg == WM_MOUSELEAVE ||
           msg == WM_TIMER || msg == kSystemTimer;
}

// Asked before the tracking handles each message: a step of the tracking
// is followed by the skin's painting, which the posted message brings
// (posted messages come before the next input).
LRESULT CALLBACK TrackingFilter(int code, WPARAM wParam, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_SCROLLBAR && trackedBar && IsTrackingStep(msg->message))
        PostMessageW(trackedBar, kTrackingStepMessage, 0, 0);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

TSkinSizer::TSkinSizer(const ControlContext& context)
    : TSkinControl(context, {SkinnedControlKind::TSkinSizer}) {}

bool TSkinSizer::CanDraw(const SkinDefinition& skin) const {
    const ScrollBarWindowFacts f = Facts();
    return SkinDrawsMember({SkinnedControlKind::TSkinSizer, false, 1, f.sizeBox || f.sizeGrip},
                           skin);
}

bool TSkinSizer::BeforeMessage(ui::TMessage& m, const ui::NextHandler& next) {
    if (m.Msg == kTrackingStepMessage) {
        PaintWindow(nullptr);
        return false;
    }
    if ((m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) && !trackedBar) {
        const ScrollBarWindowFacts f = Facts();
        if (!f.sizeBox && !f.sizeGrip && CanDrawNow()) {
            Track(m, next);
            return false;
        }
    }
    return !PaintAlone(m) && TSkinControl::BeforeMessage(m, next);
}

void TSkinSizer::Track(ui::TMessage& m, const ui::NextHandler& next) {
    const ScrollBarWindowFacts f = Facts();
    const int x = static_cast<short>(LOWORD(m.LParam));
    const int y = static_cast<short>(HIWORD(m.LParam));
    tracker_.ButtonDown(f.bar.Vertical ? y : x, Geometry(f));
    PaintWindow(nullptr);
    trackedBar = Window();
    const ui::OwnedHook filter(
        SetWindowsHookExW(WH_MSGFILTER, TrackingFilter, nullptr, GetCurrentThreadId()));
    next(m);
    trackedBar = nullptr;
    tracker_.TrackingEnded();
    Repaint();
}

ScrollBarGeometry TSkinSizer::Geometry(const ScrollBarWindowFacts& f) const {
    RECT r;
    GetClientRect(Window(), &r);
    return {f.bar.Vertical ? r.bottom : r.right, f.arrow, f.bar.ThumbStart, f.bar.ThumbEnd};
}

int TSkinSizer::PointerAlong(bool vertical) const {
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(Window(), &p);
    return vertical ? p.y : p.x;
}

void TSkinSizer::AfterMessage(ui::TMessage& m) {
    switch (m.Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_ENABLE:
        case SBM_SETSCROLLINFO:
        case SBM_SETPOS:
        case SBM_SETRANGE:
            Repaint();
            break;
        default:
            TSkinControl::AfterMessage(m);
            break;
    }
}

ScrollBarWindowFacts TSkinSizer::Facts() const {
    ScrollBarWindowFacts f;
    const LONG style = GetWindowLongW(Window(), GWL_STYLE);
    f.sizeBox = (style & SBS_SIZEBOX) != 0;
    f.sizeGrip = (style & SBS_SIZEGRIP) != 0;
    f.arrow = Look().HorzScrollArrowWidth();
    f.bar.Vertical = (style & SBS_VERT) != 0;
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    if (!f.sizeBox && !f.sizeGrip && GetScrollBarInfo(Window(), OBJID_CLIENT, &info)) {
        f.bar.Enabled = !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
        f.bar.ThumbStart = info.xyThumbTop;
        f.bar.ThumbEnd = info.xyThumbBottom;
        if (tracker_.Pressed() != ScrollPart::None) {
            f.bar = tracker_.PaintState(f.bar.Vertical, f.bar.Enabled, Geometry(f),
                                        PointerAlong(f.bar.Vertical));
        }
    }
    return f;
}

void TSkinSizer::DrawControl(HDC dc, Rect place, const SkinDefinition& skin) {
    Bitmap picture(place.Width(), place.Height());
    PaintScrollBarWindow(picture, place, Facts(), skin, Look());
    Blit(dc, picture, place);
}

}  // namespace skin::window
