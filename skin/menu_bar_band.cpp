#include "skin/menu_bar_band.h"

#include "skin/pixel_ops.h"
#include "skin/rect_fill.h"
#include "skin/skin_object_drawing.h"

namespace skin {
namespace {

constexpr int kSystemButtonShadow = 16;

void DrawCaption(Bitmap& window, const TMenuBarButton& b, const SkinDefinition& skin,
                 TextPainter& menuFont, const SystemLook& look) {
    const Colour colour = b.Enabled ? ResolveColour(skin.Colours.MenuBarText, look)
                                    : look.SystemColourValue(kSystemButtonShadow);
    menuFont.Draw(window, b.Place, b.Caption, colour, TextAlign::Centre);
}

}  // namespace

void TMenuBarButton::Paint(NcElementHost& frame) const {
    frame.PaintMenuBarButton(*this);
}

Bitmap PaintMenuBand(Bitmap& window, Rect band, const SkinDefinition& skin, bool active,
                     std::vector<TMenuBarButton>& buttons, TextPainter& menuFont,
                     const SystemLook& look) {
    int x = band.left;
    if (skin.MenuBar && !skin.MenuBar->Image.Empty()) {
        DrawObjectState(window, band, *skin.MenuBar, active ? 1 : 2);
        const int start = skin.MenuBar->LeftWidth + 4;
        x += band.Width() < start ? 12 : start;
    } else {
        FillRect(window, band, ColourToPixel(ResolveColour(skin.Colours.Menubar, look)));
        x += 6;
    }
    Bitmap background = Crop(window, band);
    for (TMenuBarButton& b : buttons) {
        if (!b.Visible) {
            b.Place = {};
            continue;
        }
        const int width = b.Caption.empty() ? 0 : menuFont.Measure(b.Caption).width + 10;
        b.Place = {x, band.top, x + width, band.bottom - 1};
        x += width;
        DrawCaption(window, b, skin, menuFont, look);
    }
    return background;
}

void PaintMenuBarButton(Bitmap& window, const Bitmap& band, Rect bandPlace,
                        const TMenuBarButton& button, const SkinDefinition& skin,
                        TextPainter& menuFont, const SystemLook& look) {
    const Rect r = button.Place;
    DrawBitmap(window, r.left, r.top, band,
               {r.left - bandPlace.left, r.top - bandPlace.top, r.right - bandPlace.left,
                r.bottom - bandPlace.top},
               false);
    if (button.State != ElementState::Normal)
        FrameRect(window, r, ColourToPixel(ResolveColour(skin.Colours.ButtonHilight, look)));
    DrawCaption(window, button, skin, menuFont, look);
}

}  // namespace skin
