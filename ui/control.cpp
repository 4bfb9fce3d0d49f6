#include "ui/control.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <unordered_map>

#include "ui/error_report.h"
#include "ui/menu.h"
#include "ui/message_kind.h"
#include "ui/wide_text.h"
#include "ui/window_class.h"

namespace ui {
namespace {

// The control whose window CreateWindowEx is making right now: the window's
// first messages arrive before it can be told its object otherwise.
thread_local TControl* g_creating = nullptr;

// The controls of this thread's windows. The window property holds the same
// for readers outside the widget layer, but reading it asks the window
// server, which is far too slow for every message; this table does not.
thread_local std::unordered_map<HWND, TControl*> g_controlOfWindow;

bool IsColorMessage(UINT msg) {
    return msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC;
}

int Width(const RECT& r) {
    return r.right - r.left;
}
int Height(const RECT& r) {
    return r.bottom - r.top;
}

}  // namespace

LRESULT CALLBACK ControlWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    TControl* control = TControl::FromHandle(window);
    if (!control && g_creating) {
        control = g_creating;
        g_creating = nullptr;
        control->Attach(window);
    }
    if (!control) {
        // A window whose object has already gone (it is being destroyed):
        // its class's own handling alone.
        wchar_t cls[64];
        GetClassNameW(window, cls, 64);
        return DefaultProcOf(cls)(window, msg, wParam, lParam);
    }
    TMessage message{msg, wParam, lParam, 0};
    try {
        control->WindowProc(message);
    } catch (...) {
        ReportFailureLater(FailureKindOf(msg, lParam));
        if (msg == WM_PAINT) {
            // Otherwise the system asks for the same failing paint at once.
            ValidateRect(window, nullptr);
        } else if (msg == WM_NCCREATE && message.Result == 0) {
            // The window is made all the same (a window that cannot be made
            // would take its form, or the program, with it); the failure is
            // reported once it is there.
            control->DefaultHandler(message);
        }
    }
    if (msg == WM_NCDESTROY)
        control->Detach();
    return message.Result;
}

TControl::TControl(TComponent& owner, TControl* parent) : TComponent(&owner), parent_(parent) {
    if (parent_) {
        parent_->children_.push_back(this);
        font_.Assign(parent_->font_);
    }
    font_.OnChange = [this] {
        parentFont_ = false;
        FontChanged();
    };
}

TControl::~TControl() {
    for (TControl* child : children_)
        child->parent_ = nullptr;
    if (parent_)
        std::erase(parent_->children_, this);
    if (handle_) {
        HWND window = handle_;
        Detach();
        DestroyWindow(window);
    }
}

TControl* TControl::FromHandle(HWND window) {
    const auto it = g_controlOfWindow.find(window);
    return it != g_controlOfWindow.end() ? it->second : nullptr;
}

const wchar_t* TControl::PropertyName() {
    static const std::wstring name = [] {
        wchar_t buffer[40];
        std::swprintf(buffer, 40, L"ControlOfs%08X%08X",
                      static_cast<unsigned>(reinterpret_cast<uintptr_t>(GetModuleHandleW(nullptr))),
                      static_cast<unsigned>(GetCurrentThreadId()));
        return std::wstring(buffer);
    }();
    return name.c_str();
}

void TControl::CreateWnd(const wchar_t* windowClass, DWORD style, DWORD exStyle, int left, int top,
                         int width, int height, HWND ownerWindow) {
    g_creating = this;
    HWND parentWindow = parent_ ? parent_->Handle() : ownerWindow;
    HWND window = CreateWindowExW(exStyle, windowClass, L"", style, left, top, width, height,
                                  parentWindow, nullptr, GetModuleHandleW(nullptr), nullptr);
    g_creating = nullptr;
    if (!window)
        throw std::runtime_error("无法创建窗口");
    if (parent_) {
        // Child controls get an identifier, which the dialog keys need.
        static int nextId = 1000;
        SetWindowLongPtrW(window, GWLP_ID, nextId++);
    }
    designBounds_ = BoundsRect();
    if (parent_) {
        const RECT pr = parent_->ClientRect();
        designParentSize_ = {Width(pr), Height(pr)};
    }
    FontChanged();
}

void TControl::Attach(HWND window) {
    handle_ = window;
    g_controlOfWindow[window] = this;
    SetPropW(window, PropertyName(), this);
    wchar_t cls[64];
    GetClassNameW(window, cls, 64);
    defaultProc_ = DefaultProcOf(cls);
}

void TControl::Detach() {
    if (!handle_)
        return;
    RemovePropW(handle_, PropertyName());
    g_controlOfWindow.erase(handle_);
    handle_ = nullptr;
}

intptr_t TControl::Perform(uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    TMessage message{msg, wParam, lParam, 0};
    WindowProc(message);
    return message.Result;
}

void TControl::DefaultHandler(TMessage& m) {
    m.Result = handle_ ? defaultProc_(handle_, m.Msg, m.WParam, m.LParam) : 0;
}

bool TControl::Reflect(TMessage& m) {
    HWND from = nullptr;
    if (m.Msg == WM_NOTIFY) {
        from = reinterpret_cast<const NMHDR*>(m.LParam)->hwndFrom;
    } else {
        from = reinterpret_cast<HWND>(m.LParam);
    }
    TControl* child = FromHandle(from);
    if (!child || child == this)
        return false;
    m.Result = child->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
    return true;
}

void TControl::WndProc(TMessage& m) {
    switch (m.Msg) {
        case WM_COMMAND:
        case WM_HSCROLL:
        case WM_VSCROLL:
            if (m.LParam != 0 && Reflect(m))
                return;
            break;
        case WM_NOTIFY:
            if (Reflect(m))
                return;
            break;
        case WM_SIZE:
            DefaultHandler(m);
            for (TControl* child : children_)
                child->ApplyAnchors();
            return;
        case WM_SYSCOMMAND:
            // F10, Alt and Alt with a letter pressed in a control open the
            // menus of its window, which handles them (a skinned menu bar
            // takes them there).
            if (parent_ && (m.WParam & 0xFFF0) == SC_KEYMENU && m.LParam != ' ') {
                if (const HWND root = GetAncestor(handle_, GA_ROOT); root && root != handle_) {
                    m.Result = SendMessageW(root, WM_SYSCOMMAND, m.WParam, m.LParam);
                    return;
                }
            }
            break;
        case WM_CONTEXTMENU:
            if (PopupMenu && PopupMenu->AutoPopup) {
                POINT p{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
                if (m.LParam == -1) {  // from the keyboard: at the control's corner
                    p = {0, 0};
                    ClientToScreen(handle_, &p);
                }
                PopupMenu->PopupComponent = this;
                PopupMenu->Popup(p.x, p.y);
                return;
            }
            break;
        default:
            if (IsColorMessage(m.Msg)) {
                if (Reflect(m))
                    return;
            } else if (m.Msg >= CN_BASE + WM_CTLCOLORMSGBOX &&
                       m.Msg <= CN_BASE + WM_CTLCOLORSTATIC) {
                m.Result =
                    reinterpret_cast<intptr_t>(BackgroundBrush(reinterpret_cast<HDC>(m.WParam)));
                return;
            }
            break;
    }
    DefaultHandler(m);
}

HBRUSH TControl::BackgroundBrush(HDC dc) {
    SetTextColor(dc, ColorToRGB(font_.Color()));
    const TColor background = parentBackground_ && parent_ ? parent_->Color() : Color();
    SetBkColor(dc, ColorToRGB(background));
    return ColorBrush();
}

HBRUSH TControl::ColorBrush() {
    const COLORREF rgb = ColorToRGB(parentBackground_ && parent_ ? parent_->Color() : Color());
    if (!brush_ || brushColor_ != rgb) {
        brush_.reset(CreateSolidBrush(rgb));
        brushColor_ = rgb;
    }
    return brush_.get();
}

void TControl::FontChanged() {
    const unsigned style = font_.Style();
    fontHandle_.reset(CreateFontW(font_.Height(), 0, 0, 0, (style & fsBold) ? FW_BOLD : FW_NORMAL,
                                  (style & fsItalic) != 0, (style & fsUnderline) != 0,
                                  (style & fsStrikeOut) != 0, static_cast<BYTE>(font_.Charset()),
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH, Widen(font_.Name()).c_str()));
    if (handle_)
        SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle_.get()), TRUE);
    for (TControl* child : children_) {
        if (child->parentFont_)
            child->ParentFontChanged(font_);
    }
}

void TControl::ParentFontChanged(const TFont& font) {
    font_.Assign(font);  // reports a change, which would clear parentFont_
    parentFont_ = true;
}

RECT TControl::BoundsRect() const {
    RECT r{};
    if (!handle_)
        return r;
    GetWindowRect(handle_, &r);
    if (HWND parentWindow = GetAncestor(handle_, GA_PARENT); parentWindow && parent_) {
        MapWindowPoints(HWND_DESKTOP, parentWindow, reinterpret_cast<POINT*>(&r), 2);
    }
    return r;
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (handle_)
        MoveWindow(handle_, left, top, width, height, TRUE);
    designBounds_ = BoundsRect();
    if (parent_) {
        const RECT pr = parent_->ClientRect();
        designParentSize_ = {Width(pr), Height(pr)};
    }
}

RECT TControl::ClientRect() const {
    RECT r{};
    if (handle_)
        GetClientRect(handle_, &r);
    return r;
}

void TControl::SetAnchors(unsigned anchors) {
    anchors_ = anchors;
    designBounds_ = BoundsRect();
    if (parent_) {
        const RECT pr = parent_->ClientRect();
        designParentSize_ = {Width(pr), Height(pr)};
    }
}

void TControl::ApplyAnchors() {
    if (!handle_ || !parent_ || anchors_ == (akLeft | akTop))
        return;
    const RECT pr = parent_->ClientRect();
    const int dw = Width(pr) - designParentSize_.cx;
    const int dh = Height(pr) - designParentSize_.cy;
    int left = designBounds_.left, top = designBounds_.top;
    int width = Width(designBounds_), height = Height(designBounds_);
    if ((anchors_ & akLeft) && (anchors_ & akRight)) {
        width += dw;
    } else if (anchors_ & akRight) {
        left += dw;
    }
    if ((anchors_ & akTop) && (anchors_ & akBottom)) {
        height += dh;
    } else if (anchors_ & akBottom) {
        top += dh;
    }
    MoveWindow(handle_, left, top, width, height, TRUE);
}

std::string TControl::Caption() const {
    if (!handle_)
        return {};
    const int n = GetWindowTextLengthW(handle_);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    GetWindowTextW(handle_, text.data(), n + 1);
    text.resize(static_cast<size_t>(n));
    return Narrow(text);
}

void TControl::SetCaption(std::string_view caption) {
    if (handle_)
        SetWindowTextW(handle_, Widen(caption).c_str());
}

void TControl::SetColor(TColor color) {
    color_ = color;
    parentColor_ = false;
    ColorChanged();
}

TColor TControl::Color() const {
    return parentColor_ && parent_ ? parent_->Color() : color_;
}

void TControl::SetParentColor(bool value) {
    if (value == parentColor_)
        return;
    if (!value)
        color_ = Color();
    parentColor_ = value;
    ColorChanged();
}

void TControl::SetParentBackground(bool value) {
    parentBackground_ = value;
    Invalidate();
}

bool TControl::Visible() const {
    return handle_ && (GetWindowLongW(handle_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void TControl::SetVisible(bool visible) {
    if (!handle_ || visible == Visible())
        return;
    ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE);
    Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
}

bool TControl::Enabled() const {
    return handle_ && IsWindowEnabled(handle_);
}

void TControl::SetEnabled(bool enabled) {
    if (!handle_ || enabled == Enabled())
        return;
    EnableWindow(handle_, enabled);
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetFocus() {
    if (handle_)
        ::SetFocus(handle_);
}

bool TControl::Focused() const {
    return handle_ && GetFocus() == handle_;
}

void TControl::Invalidate() {
    if (handle_)
        InvalidateRect(handle_, nullptr, TRUE);
}

COLORREF TControl::ColorToRGB(TColor color) {
    return IsSystemColor(color) ? GetSysColor(SystemColorIndex(color))
                                : static_cast<COLORREF>(color & 0xFFFFFF);
}

bool TControl::GetProperty(std::string_view name, PropertyValue& value) const {
    const RECT r = BoundsRect();
    if (SameName(name, "Caption")) {
        value = Caption();
    } else if (SameName(name, "Color")) {
        value = int64_t{Color()};
    } else if (SameName(name, "Font")) {
        value = static_cast<TPersistent*>(const_cast<TFont*>(&font_));
    } else if (SameName(name, "ParentFont")) {
        value = parentFont_;
    } else if (SameName(name, "ParentColor")) {
        value = parentColor_;
    } else if (SameName(name, "ParentBackground")) {
        value = parentBackground_;
    } else if (SameName(name, "Visible")) {
        value = Visible();
    } else if (SameName(name, "Enabled")) {
        value = Enabled();
    } else if (SameName(name, "Left")) {
        value = int64_t{r.left};
    } else if (SameName(name, "Top")) {
        value = int64_t{r.top};
    } else if (SameName(name, "Width")) {
        value = int64_t{Width(r)};
    } else if (SameName(name, "Height")) {
        value = int64_t{Height(r)};
    } else {
        return TComponent::GetProperty(name, value);
    }
    return true;
}

bool TControl::SetProperty(std::string_view name, const PropertyValue& value) {
    std::string text;
    bool flag = false;
    int64_t number = 0;
    const RECT r = BoundsRect();
    if (SameName(name, "Caption")) {
        if (!Extract(value, text))
            return false;
        SetCaption(text);
    } else if (SameName(name, "Color")) {
        if (!Extract(value, number))
            return false;
        SetColor(static_cast<TColor>(number));
    } else if (SameName(name, "ParentColor")) {
        if (!Extract(value, flag))
            return false;
        SetParentColor(flag);
    } else if (SameName(name, "ParentBackground")) {
        if (!Extract(value, flag))
            return false;
        SetParentBackground(flag);
    } else if (SameName(name, "Visible")) {
        if (!Extract(value, flag))
            return false;
        SetVisible(flag);
    } else if (SameName(name, "Enabled")) {
        if (!Extract(value, flag))
            return false;
        SetEnabled(flag);
    } else if (SameName(name, "Left") || SameName(name, "Top") || SameName(name, "Width") ||
               SameName(name, "Height")) {
        if (!Extract(value, number))
            return false;
        const int v = static_cast<int>(number);
        const bool isLeft = SameName(name, "Left"), isTop = SameName(name, "Top");
        const bool isWidth = SameName(name, "Width");
        SetBounds(isLeft ? v : r.left, isTop ? v : r.top, isWidth ? v : Width(r),
                  isLeft || isTop || isWidth ? Height(r) : v);
    } else {
        return TComponent::SetProperty(name, value);
    }
    return true;
}

}  // namespace ui
