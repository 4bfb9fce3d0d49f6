// Where the pointer is on a skinned frame: the window's own answer to
// WM_NCHITTEST revised for the skinned caption and menu band, and the caption
// bar element under the pointer.
#pragma once

#include <span>

#include "skin/caption_buttons.h"
#include "skin/frame_metrics.h"
#include "skin/geometry.h"
#include "skin/menu_bar_band.h"
#include "skin/nc_element.h"
#include "skin/system_numbers.h"

namespace skin {

// A screen point in window coordinates, through the client area whose
// top-left corner is at `clientOnScreen`; a maximised MDI child has no
// skinned frame around its client area.
Point ScreenToWindow(Point screen, Point clientOnScreen, const FrameMetrics& m,
                     bool maximisedMdiChild);

// Only "nowhere" and "caption" are revised: below the top 4 pixels the
// caption, and below the caption, when there is a menu band, the menu. The
// sizing edges and the client area stand; the caption buttons are tracked by
// the frame itself, so they are not reported.
HitCode ReviseHitTest(HitCode answer, Point inWindow, const FrameMetrics& m);

// The first visible caption button with an Action of 0 or more under the
// point, else the first menu-bar button with a caption under it, else none.
TNcElement* FindElement(Point inWindow, std::span<TCaptionButton> captionButtons,
                        std::span<TMenuBarButton> menuBarButtons);

}  // namespace skin
