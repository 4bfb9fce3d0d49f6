// The elements of a skinned caption bar, caption buttons and menu-bar
// buttons: a place in window coordinates with a three-state look, tracked
// by the frame they belong to as the pointer moves and clicks.
#pragma once

#include "skin/geometry.h"

namespace skin {

class TCaptionButton;
class TMenuBarButton;
class NcElementHost;

enum class ElementState { Normal = 1, Pressed = 2, Hot = 3 };

class TNcElement {
  public:
    virtual ~TNcElement() = default;

    // A hot element other than this one leaves first; a visible element
    // becomes the hot one, pressed.
    void MouseDown(NcElementHost& frame);
    void MouseUp(NcElementHost& frame);
    void MouseEnter(NcElementHost& frame);
    void MouseLeave(NcElementHost& frame);

    Rect Place;  // window coordinates
    // Whether it takes part in hit-testing and painting.
    bool Visible = false;
    ElementState State = ElementState::Normal;

  protected:
    TNcElement() = default;
    TNcElement(const TNcElement&) = default;
    TNcElement& operator=(const TNcElement&) = default;

    // Shows a change of state.
    virtual void Paint(NcElementHost& frame) const = 0;
};

// The frame the elements belong to: it knows the element that is hot or
// pressed, and repaints an element whose state changed. Whoever replaces
// the elements clears the hot one first.
class NcElementHost {
  public:
    virtual ~NcElementHost() = default;

    TNcElement* HotElement() const { return hot_; }
    void ClearHotElement() { hot_ = nullptr; }
    // The hover check: a hot element no longer under the pointer leaves.
    void CheckHover(Point pointer);

    virtual void PaintCaptionButton(const TCaptionButton& button) = 0;
    virtual void PaintMenuBarButton(const TMenuBarButton& button) = 0;
    // Activates the window, which repaints its frame.
    virtual void BringToFront() = 0;

  private:
    friend class TNcElement;
    TNcElement* hot_ = nullptr;
};

}  // namespace skin
