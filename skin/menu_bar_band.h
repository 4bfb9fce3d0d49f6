// The skinned menu bar: the band under the caption with one button per
// top-level menu item.
#pragma once

#include <span>
#include <string>

#include "pixels/bitmap.h"
#include "skin/caption_buttons.h"
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

// The band as the frame paints it.
struct MenuBand {
    Rect Place;  // window coordinates
    bool Active = true;
    bool RightToLeft = false;
};

// Where the first button starts, counted from the band's left end (its
// right end for a right-to-left menu): the menu-bar picture's LeftWidth + 4
// (RightWidth + 8 for a right-to-left menu), or 12 when the band is
// narrower than that; 6 without a picture.
int MenuBandStart(const MenuBand& band, const SkinDefinition& skin);

// Places the visible buttons one after the other from `start`, left to
// right (right to left for a right-to-left menu): each as wide as its
// caption and 10 more (nothing for an empty caption) and one less than the
// band high. An invisible button gets an empty place.
void LayOutMenuBar(std::span<TMenuBarButton> buttons, const MenuBand& band, int start,
                   const TextPainter& menuFont);

// Paints the band: the menu-bar picture (state 1 active, 2 inactive) over
// it, tiled when its Tile is 1, or the Menubar colour without one; then lays
// the buttons out and draws their captions centred: MenuBarText, or the
// system's button shadow when disabled; last the caption buttons that stand
// in the band (Visibility 100: a maximised MDI child's), magenta
// transparent. Answers the band's background as painted before the
// captions, for repainting single buttons.
Bitmap PaintMenuBand(Bitmap& window, const MenuBand& band, const SkinDefinition& skin,
                     std::span<TMenuBarButton> buttons,
                     std::span<const TCaptionButton> captionButtons, TextPainter& menuFont,
                     const SystemLook& look);

// A button after a change of state, over the band as PaintMenuBand left it
// (`band` holds that picture of the band, at `bandPlace` in the window):
// pressed and hot buttons get a one-pixel frame in ButtonHilight.
void PaintMenuBarButton(Bitmap& window, const Bitmap& band, Rect bandPlace,
                        const TMenuBarButton& button, const SkinDefinition& skin,
                        TextPainter& menuFont, const SystemLook& look);

}  // namespace skin
