// A control: a widget object wrapping one system window. The object is found
// from its window through a table of the thread that made it, and from
// outside the widget layer through a window property; it answers to its
// framework class name, carries its properties by name, and receives its
// window's messages through a chain of handlers: its own handling at the
// end, and in front of it the links other components put there
// (ui/handler_chain.h).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/color.h"
#include "ui/component.h"
#include "ui/font.h"
#include "ui/handler_chain.h"
#include "ui/message.h"
#include "ui/win_handle.h"
#include "ui/window_class.h"

namespace ui {

class TPopupMenu;

using TNotifyEvent = std::function<void(TComponent& sender)>;

enum TAnchor : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };

class TControl : public TComponent {
  public:
    // `parent` is the control whose window holds this one (null for forms).
    TControl(TComponent& owner, TControl* parent);
    ~TControl() override;

    // The control of a window of ours made on this thread, or null. It asks
    // the window server nothing, so it serves every message.
    static TControl* FromHandle(HWND window);
    // The name of the window property that also holds the control of a
    // window, for code that has only the window: "ControlOfs" + module
    // handle + thread id, 8 upper-case hex digits each.
    static const wchar_t* PropertyName();

    HWND Handle() const { return handle_; }
    TControl* Parent() const { return parent_; }
    const std::vector<TControl*>& Controls() const { return children_; }

    // Position and size in the parent's client area.
    RECT BoundsRect() const;
    void SetBounds(int left, int top, int width, int height);
    RECT ClientRect() const;
    unsigned Anchors() const { return anchors_; }
    void SetAnchors(unsigned anchors);

    std::string Caption() const;
    void SetCaption(std::string_view caption);
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    bool ParentFont() const { return parentFont_; }
    TColor Color() const;
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    // Whether the control shows its parent's colour (a colour set of its
    // own ends it).
    void SetParentColor(bool value);
    // The control's background shows its parent's colour.
    bool ParentBackground() const { return parentBackground_; }
    void SetParentBackground(bool value);
    bool Visible() const;
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);

    TPopupMenu* PopupMenu = nullptr;
    TNotifyEvent OnEnter;

    // The handlers of this control's messages: a component puts its own in
    // front with a HandlerLink on this chain.
    HandlerChain& Handlers() { return handlers_; }
    // Runs a message through the handlers.
    void WindowProc(TMessage& message) { handlers_.Dispatch(message); }
    intptr_t Perform(uint32_t msg, uintptr_t wParam = 0, intptr_t lParam = 0);

    void SetFocus();
    bool Focused() const;
    void Invalidate();

    bool GetProperty(std::string_view name, PropertyValue& value) const override;
    bool SetProperty(std::string_view name, const PropertyValue& value) override;

    // The colour as the system draws it (system colours resolved).
    static COLORREF ColorToRGB(TColor color);

  protected:
    // Makes the window, of one of our registered classes. Children take the
    // parent's window as parent; forms pass their owner window.
    void CreateWnd(const wchar_t* windowClass, DWORD style, DWORD exStyle, int left, int top,
                   int width, int height, HWND ownerWindow = nullptr);

    // The control's own handling; what it does not handle goes to
    // DefaultHandler. Derived controls handle their messages and call this.
    virtual void WndProc(TMessage& message);
    // The window class's own handling of the message.
    void DefaultHandler(TMessage& message);

    // The brush a control's parent gives the system for painting it
    // (WM_CTLCOLOR*, reflected to the control).
    virtual HBRUSH BackgroundBrush(HDC dc);
    // The font's window handle, made again after a change.
    HFONT FontHandle() const { return fontHandle_.get(); }
    virtual void FontChanged();
    // After Color has changed (controls that paint their background in their
    // own way pass it on to the system control here).
    virtual void ColorChanged() { Invalidate(); }
    // The brush of Color, or of the parent's colour with ParentBackground.
    HBRUSH ColorBrush();

  private:
    friend LRESULT CALLBACK ControlWndProc(HWND, UINT, WPARAM, LPARAM);
    void Attach(HWND window);
    void Detach();
    bool Reflect(TMessage& message);
    void ApplyAnchors();
    void ParentFontChanged(const TFont& font);

    TControl* parent_;
    std::vector<TControl*> children_;
    HandlerChain handlers_{[this](TMessage& m) { WndProc(m); }};
    HWND handle_ = nullptr;
    DefaultWindowProc defaultProc_;

    TFont font_;
    bool parentFont_ = true;
    OwnedFont fontHandle_;
    TColor color_ = clBtnFace;
    bool parentColor_ = true;
    bool parentBackground_ = false;
    OwnedBrush brush_;
    COLORREF brushColor_ = 0;

    unsigned anchors_ = akLeft | akTop;
    RECT designBounds_{};
    SIZE designParentSize_{};
};

}  // namespace ui
