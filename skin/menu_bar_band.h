// The skinned menu bar: the band under the caption with one button per
// top-level menu item.
#pragma once

#include <string>
#include <vector>

#include "pixels/bitmap.h"
#include "skin/geometry.h"
#include "skin/nc_element.h"
#include "skin/skin_definition.h"
#include "skin/system_look.h"
#include "skin/text_painter.h"

namespace skin {

using pixels::Bitmap;

// One top-level item of the menu bar; the band's painting sets its Place.
class TMenuBarButton : public TNcElement {
  public:
    TMenuBarButton() { Visible = true; }

    std::string Caption;  // UTF-8, "&" marking the accelerator
    bool Enabled = true;

  protected:
    void Paint(NcElementHost& frame) const override;
};

// Paints the band: the menu-bar picture (state 1 active, 2 inactive) over
// it, tiled when its Tile is 1, or the Menubar colour without one; then lays
// the visible buttons out from the start (the picture's LeftWidth + 4, or 12
// when the band is narrower than that; 6 without a picture), each as wide as
// its caption and 10 more, one less than the band high, and draws their
// captions centred: MenuBarText, or the system's button shadow when
// disabled. Answers the band's background as painted before the captions,
// for repainting single buttons.
Bitmap PaintMenuBand(Bitmap& window, Rect band, const SkinDefinition& skin, bool active,
                     std::vector<TMenuBarButton>& buttons, TextPainter& menuFont,
                     const SystemLook& look);

// A button after a change of state, over the band as PaintMenuBand left it
// (`band` holds that picture of the band, at `bandPlace` in the window):
// pressed and hot buttons get a one-pixel frame in ButtonHilight.
void PaintMenuBarButton(Bitmap& window, const Bitmap& band, Rect bandPlace,
                        const TMenuBarButton& button, const SkinDefinition& skin,
                        TextPainter& menuFont, const SystemLook& look);

}  // namespace skin
