#include "skin/menu_bar_band.h"

#include "skin/pixel_ops.h"
#include "skin/rect_fill.h"
#include "skin/skin_object_drawing.h"

namespace skin {
namespace {

constexpr int kSystemButtonShadow = 16;
constexpr int kBandCaptionButton = 100;
constexpr int kStartWithoutPicture = 6;
constexpr int kNarrowBandStart = 12;
constexpr int kCaptionRoom = 10;

const TSkinObject* BarPicture(const SkinDefinition& skin) {
    return skin.MenuBar && !skin.MenuBar->Image.Empty() ? skin.MenuBar.get() : nullptr;
}

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

int MenuBandStart(const MenuBand& band, const SkinDefinition& skin) {
    const TSkinObject* picture = BarPicture(skin);
    if (!picture)
        return kStartWithoutPicture;
    const int start = band.RightToLeft ? picture->RightWidth + 8 : picture->LeftWidth + 4;
    return band.Place.Width() < start ? kNarrowBandStart : start;
}

void LayOutMenuBar(std::span<TMenuBarButton> buttons, const MenuBand& band, int start,
                   const TextPainter& menuFont) {
    const Rect r = band.Place;
    int offset = start;
    for (TMenuBarButton& b : buttons) {
        if (!b.Visible) {
            b.Place = {};
            continue;
        }
        const int width = b.Caption.empty() ? 0 : menuFont.Measure(b.Caption).width + kCaptionRoom;
        b.Place = band.RightToLeft
                      ? Rect{r.right - offset - width, r.top, r.right - offset, r.bottom - 1}
                      : Rect{r.left + offset, r.top, r.left + offset + width, r.bottom - 1};
        offset += width;
    }
}

Bitmap PaintMenuBand(Bitmap& window, const MenuBand& band, const SkinDefinition& skin,
                     std::span<TMenuBarButton> buttons,
                     std::span<const TCaptionButton> captionButtons, TextPainter& menuFont,
                     const SystemLook& look) {
    if (const TSkinObject* picture = BarPicture(skin))
        DrawObjectState(window, band.Place, *picture, band.Active ? 1 : 2);
    else
        FillRect(window, band.Place, ColourToPixel(ResolveColour(skin.Colours.Menubar, look)));
    Bitmap background = Crop(window, band.Place);
    LayOutMenuBar(buttons, band, MenuBandStart(band, skin), menuFont);
    for (const TMenuBarButton& b : buttons) {
        if (b.Visible)
            DrawCaption(window, b, skin, menuFont, look);
    }
    for (const TCaptionButton& b : captionButtons) {
        if (b.Visible && b.Button().Visibility == kBandCaptionButton && !b.Place.Empty())
            DrawCaptionButton(window, b, 1, Bitmap());
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
