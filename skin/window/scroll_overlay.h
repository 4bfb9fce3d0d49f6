// TScrollOverlay: a small window laid over one of a control's own scroll
// bars and painted in the skin. The control's bar stays where it is and
// does all the work: a press on the overlay starts the bar's own tracking,
// the wheel goes to the control, and the overlay only shows the bar's state
// as the control reports it.
#pragma once

#include <windows.h>

#include "skin/scroll_overlay_tracker.h"
#include "skin/skin_data.h"
#include "skin/system_look.h"

namespace skin::window {

class TScrollOverlay {
  public:
    // `control`: the window whose bar is covered; the overlay is a child of
    // its parent.
    TScrollOverlay(HWND control, bool vertical, TSkinData& data, const SystemLook& look);
    ~TScrollOverlay();
    TScrollOverlay(const TScrollOverlay&) = delete;
    TScrollOverlay& operator=(const TScrollOverlay&) = delete;

    // Over the bar where the control reports it, just above the control;
    // hidden while the control or the bar is.
    void Place();
    void Hide();
    bool Shown() const;
    // The overlay's window goes (its control is going); the object stays
    // harmless until its owner frees it.
    void DestroyNow();
    // A scroll request of the control names the part it came from.
    void ScrollRequest(int code);
    // Paints the overlay now, as the bar stands.
    void PaintNow();

    HWND Window() const { return window_; }
    bool Vertical() const { return vertical_; }
    const ScrollOverlayTracker& Tracker() const { return tracker_; }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    // The bar as the control reports it now; false when it has none.
    bool BarInfo(SCROLLBARINFO& info) const;
    ScrollBarGeometry Geometry(const SCROLLBARINFO& info) const;
    int Along(POINT client) const { return vertical_ ? client.y : client.x; }
    void Paint(HDC dc);
    void Press(LPARAM at);

    HWND control_;
    bool vertical_;
    TSkinData& data_;
    const SystemLook& look_;
    HWND window_ = nullptr;
    ScrollOverlayTracker tracker_;
    bool trackingLeave_ = false;
};

}  // namespace skin::window
