// TSkinControl, the base of the skinned controls: it puts its handler in
// front of a control's (a widget object's handler chain, or a bare window's
// procedure), lets the control do its ordinary work, and paints the control
// again from the skin. The handler reaches its object through the link that
// holds it, so no message asks the window server for anything.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "skin/member_pictures.h"
#include "skin/skin_data.h"
#include "skin/system_look.h"
#include "skin/window/dib.h"
#include "skin/window/gdi_text_painter.h"
#include "ui/control.h"
#include "ui/handler_chain.h"
#include "ui/window_subclass.h"

namespace skin::window {

// What every skinned control of one frame shares.
struct ControlContext {
    TSkinData& Data;
    const SystemLook& Look;
    // The frame's window, which re-creates a control's skin on
    // kRecreateControlSkinMessage.
    HWND FrameWindow = nullptr;
};

enum class LifeState { Detached = 0, Attached = 1, WindowDestroyed = 6 };

class TSkinControl {
  public:
    // `member`: what the classification made this object, which says what
    // the skin must have for it to draw.
    TSkinControl(const ControlContext& context, const MemberFacts& member);
    virtual ~TSkinControl();
    TSkinControl(const TSkinControl&) = delete;
    TSkinControl& operator=(const TSkinControl&) = delete;

    // A widget object: the handler goes in front of its chain. With
    // `changeColor` the control wears the skin's button face while skinned.
    virtual void AttachControl(ui::TControl& control, bool changeColor);
    // A window without one: the handler goes in front of its procedure.
    virtual void AttachWindow(HWND window);
    // Takes the handler out and gives the control its ordinary look back,
    // repainted; the owner calls it before it frees the object.
    void Detach();
    // Gives the control its ordinary colour back.
    virtual void RestoreLook();
    // After a skin switch: the new button face, and a repaint.
    virtual void Refresh();

    // What the classification made this object.
    SkinnedControlKind Member() const { return member_.member; }
    HWND Window() const { return window_; }
    ui::TControl* Control() const { return control_; }
    bool SkinOn() const { return skinOn_; }
    LifeState State() const { return life_; }

  protected:
    // Before the control sees a message: false when the message is done
    // (the object answered it), true to pass it on.
    virtual bool BeforeMessage(ui::TMessage& m, const ui::NextHandler& next);
    // After the control has seen it.
    virtual void AfterMessage(ui::TMessage& m);
    // Whether the skin has the pictures the member draws from; without
    // them the control keeps its ordinary look.
    virtual bool CanDraw(const SkinDefinition& skin) const;
    // The same for the skin of the moment.
    bool CanDrawNow() const;
    // Composes the control off-screen over `place` (the window at (0, 0))
    // and copies it to `dc` in one blit.
    virtual void DrawControl(HDC dc, Rect place, const SkinDefinition& skin);

    // DrawControl on `dc`, or on the whole window's own context; false when
    // the skin cannot draw the control or the composition failed (which is
    // swallowed).
    bool PaintWindow(HDC dc);
    // WM_PAINT answered by the object alone (between BeginPaint and EndPaint
    // when the message brings no context); false when the control is to
    // paint itself: the skin cannot draw it, or the last attempt failed.
    bool PaintMessage(ui::TMessage& m);
    // For the members that paint the whole control: WM_PAINT answered by
    // PaintMessage, WM_ERASEBKGND with 1 while the skin can draw; true when
    // `m` was one of them and is done.
    bool PaintAlone(ui::TMessage& m);
    // Invalidate (erasing) and update the window, or the companion.
    void Repaint();

    // The skin of the moment, held for one painting.
    SkinSnapshot Skin() const { return context_.Data.Skin(); }
    TSkinData& Data() const { return context_.Data; }
    const SystemLook& Look() const { return context_.Look; }
    HWND FrameWindow() const { return context_.FrameWindow; }
    bool HasOption(TSkinOption option) const { return context_.Data.Options.Contains(option); }
    // A painter in the control's font (WM_GETFONT), made again when the
    // font changes.
    TextPainter& Font(Ampersand ampersand = Ampersand::Plain);
    // The control's caption: its Caption property, or a bare window's text.
    std::string Caption() const;
    // The font colour: the widget object's, or the system's button text.
    Colour FontColour() const;
    // The parent's colour, or kNoColour when it has none of ours.
    Colour ParentColour() const;
    bool Enabled() const { return IsWindowEnabled(window_) != FALSE; }
    bool Focused() const { return GetFocus() == window_; }
    bool IsUnicode() const { return unicode_; }
    // Asks to be told (WM_MOUSELEAVE) when the pointer leaves the control.
    void TrackPointerLeave() const;
    // For the controls whose parts light up under the pointer: the part at
    // the pointer (-1 for none) becomes `hot`, repainted when it changes,
    // and the leaving is asked for when the pointer comes onto a part; at
    // WM_MOUSELEAVE, -1.
    void FollowHotPart(const ui::TMessage& m, int& hot, int partAtPointer);

    // Another window repainted in place of this one.
    HWND Companion = nullptr;

  private:
    void Hook();
    void OnMessage(ui::TMessage& m, const ui::NextHandler& next);

    ControlContext context_;
    MemberFacts member_;
    ui::TControl* control_ = nullptr;
    HWND window_ = nullptr;
    bool unicode_ = true;
    bool skinOn_ = true;
    LifeState life_ = LifeState::Detached;
    bool changeColor_ = false;
    std::optional<ui::TColor> savedColor_;
    bool savedParentColor_ = false;
    bool parentBackgroundCleared_ = false;

    bool paintFailed_ = false;

    HFONT painterFont_ = nullptr;
    Ampersand painterAmpersand_ = Ampersand::Plain;
    std::unique_ptr<GdiTextPainter> painter_;

    ui::HandlerLink link_;
    std::unique_ptr<ui::WindowSubclass> subclass_;
};

// The window's size, as a rectangle at (0, 0).
Rect WindowPlace(HWND window);
// The client area within the window, in the window's coordinates.
Rect ClientPlace(HWND window);
// Keeps the child windows of `window` out of what is drawn on `dc` (a
// context of the whole window) from here on.
void ExcludeChildWindows(HDC dc, HWND window);
// The window's text, as UTF-8.
std::string WindowText(HWND window);

}  // namespace skin::window
