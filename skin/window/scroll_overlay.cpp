#include "skin/window/scroll_overlay.h"

#include "skin/window/dib.h"
#include "ui/win_handle.h"

namespace skin::window {
namespace {

constexpr wchar_t kClassName[] = L"TScrollOverlay";

void RegisterOverlayClass(WNDPROC procedure) {
    static const bool registered = [procedure] {
        WNDCLASSEXW c{};
        c.cbSize = sizeof c;
        c.style = CS_DBLCLKS;
        c.lpfnWndProc = procedure;
        c.hInstance = GetModuleHandleW(nullptr);
        c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        c.lpszClassName = kClassName;
        return RegisterClassExW(&c) != 0;
    }();
    (void)registered;
}

}  // namespace

TScrollOverlay::TScrollOverlay(HWND control, bool vertical, TSkinData& data, const SystemLook& look)
    : control_(control), vertical_(vertical), data_(data), look_(look) {
    RegisterOverlayClass(Procedure);
    window_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                              GetParent(control), nullptr, GetModuleHandleW(nullptr), this);
}

TScrollOverlay::~TScrollOverlay() {
    DestroyNow();
}

void TScrollOverlay::DestroyNow() {
    if (!window_)
        return;
    const HWND window = window_;
    window_ = nullptr;
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
}

bool TScrollOverlay::BarInfo(SCROLLBARINFO& info) const {
    info = {};
    info.cbSize = sizeof info;
    return GetScrollBarInfo(control_, vertical_ ? OBJID_VSCROLL : OBJID_HSCROLL, &info) != FALSE;
}

ScrollBarGeometry TScrollOverlay::Geometry(const SCROLLBARINFO& info) const {
    const RECT& r = info.rcScrollBar;
    ScrollBarGeometry g;
    g.length = vertical_ ? r.bottom - r.top : r.right - r.left;
    g.arrow = look_.HorzScrollArrowWidth();
    g.thumbStart = info.xyThumbTop;
    g.thumbEnd = info.xyThumbBottom;
    return g;
}

void TScrollOverlay::Place() {
    if (!window_)
        return;
    SCROLLBARINFO info;
    const bool shows = (GetWindowLongW(control_, GWL_STYLE) & WS_VISIBLE) && BarInfo(info) &&
                       !(info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN));
    RECT r = shows ? info.rcScrollBar : RECT{};
    if (!shows || r.right <= r.left || r.bottom <= r.top) {
        Hide();
        return;
    }
    MapWindowPoints(HWND_DESKTOP, GetParent(window_), reinterpret_cast<POINT*>(&r), 2);
    // Just above the control, so that the control's own painting of its
    // bar (it clips its siblings while skinned) never shows through.
    const HWND above = GetWindow(control_, GW_HWNDPREV);
    UINT flags = SWP_NOACTIVATE | SWP_SHOWWINDOW;
    if (above == window_)
        flags |= SWP_NOZORDER;
    SetWindowPos(window_, above ? above : HWND_TOP, r.left, r.top, r.right - r.left,
                 r.bottom - r.top, flags);
    PaintNow();
}

void TScrollOverlay::Hide() {
    if (Shown())
        ShowWindow(window_, SW_HIDE);
}

// Its own mark, not whether it is on the screen: the frame hides the whole
// window while it lays it out, and the overlay must still hide then.
bool TScrollOverlay::Shown() const {
    return window_ && (GetWindowLongW(window_, GWL_STYLE) & WS_VISIBLE);
}

void TScrollOverlay::ScrollRequest(int code) {
    tracker_.ScrollRequest(code);
    PaintNow();
}

void TScrollOverlay::PaintNow() {
    if (!window_ || !IsWindowVisible(window_))
        return;
    const ui::WindowDC dc(window_);
    Paint(dc.get());
}

void TScrollOverlay::Paint(HDC dc) {
    const SkinSnapshot skin = data_.Skin();
    SCROLLBARINFO info;
    if (!skin || !BarInfo(info))
        return;
    RECT client;
    GetClientRect(window_, &client);
    if (client.right <= 0 || client.bottom <= 0)
        return;
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(window_, &cursor);
    const bool enabled = !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
    const ScrollBarState state =
        tracker_.PaintState(vertical_, enabled, Geometry(info), Along(cursor));
    const Rect place{0, 0, client.right, client.bottom};
    Bitmap picture(place.Width(), place.Height());
    PaintScrollBar(picture, place, *skin, state, look_.HorzScrollArrowWidth(), look_);
    Blit(dc, picture, place);
}

void TScrollOverlay::Press(LPARAM at) {
    const POINT client{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    SCROLLBARINFO info;
    if (!BarInfo(info))
        return;
    tracker_.ButtonDown(Along(client), Geometry(info));
    PaintNow();
    // The control's own tracking of its bar runs until the button is
    // released; the overlay follows its scroll requests meanwhile.
    POINT screen = client;
    ClientToScreen(window_, &screen);
    ReleaseCapture();
    SendMessageW(control_, WM_NCLBUTTONDOWN, vertical_ ? HTVSCROLL : HTHSCROLL,
                 MAKELPARAM(screen.x, screen.y));
    tracker_.TrackingEnded();
    PaintNow();
}

LRESULT TScrollOverlay::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            const HDC dc = BeginPaint(window_, &ps);
            Paint(dc);
            EndPaint(window_, &ps);
            return 0;
        }
        case WM_MOUSEMOVE: {
            SCROLLBARINFO info;
            const POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (BarInfo(info) && tracker_.PointerMove(Along(p), Geometry(info)))
                PaintNow();
            if (!trackingLeave_) {
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window_, 0};
                trackingLeave_ = TrackMouseEvent(&track) != FALSE;
            }
            return 0;
        }
        case WM_MOUSELEAVE:
            trackingLeave_ = false;
            if (tracker_.PointerLeave(GetKeyState(VK_LBUTTON) < 0))
                PaintNow();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            Press(lParam);
            return 0;
        case WM_LBUTTONUP: {
            POINT screen{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            ClientToScreen(window_, &screen);
            PostMessageW(control_, WM_NCLBUTTONUP, vertical_ ? HTVSCROLL : HTHSCROLL,
                         MAKELPARAM(screen.x, screen.y));
            return 0;
        }
        case WM_MOUSEWHEEL:
        case WM_MOUSEHWHEEL:
            return SendMessageW(control_, msg, wParam, lParam);
        case WM_NCDESTROY: {
            const HWND window = window_;
            window_ = nullptr;
            return DefWindowProcW(window, msg, wParam, lParam);
        }
        default:
            break;
    }
    return DefWindowProcW(window_, msg, wParam, lParam);
}

LRESULT CALLBACK TScrollOverlay::Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* overlay = static_cast<TScrollOverlay*>(create->lpCreateParams);
        overlay->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(overlay));
    }
    auto* overlay = reinterpret_cast<TScrollOverlay*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!overlay)
        return DefWindowProcW(window, msg, wParam, lParam);
    try {
        return overlay->OnMessage(msg, wParam, lParam);
    } catch (...) {
        // Painting and tracking fail silently: the bar below still works.
        return DefWindowProcW(window, msg, wParam, lParam);
    }
}

}  // namespace skin::window
