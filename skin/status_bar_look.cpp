#include "skin/status_bar_look.h"

#include "skin/looks.h"
#include "skin/pixel_ops.h"
#include "skin/rect_fill.h"
#include "skin/skin_object_drawing.h"

namespace skin {

using pixels::Pixel;

namespace {

constexpr int kSystemButtonShadow = 16;
constexpr int kSystemButtonHighlight = 20;

void Edge(Bitmap& target, Rect r, Pixel topLeft, Pixel bottomRight) {
    FillRect(target, {r.left, r.top, r.right, r.top + 1}, topLeft);
    FillRect(target, {r.left, r.top, r.left + 1, r.bottom}, topLeft);
    FillRect(target, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    FillRect(target, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

void PanelBackground(Bitmap& target, Rect r, PanelBevel bevel, const SkinDefinition& skin,
                     const SystemLook& look) {
    if (skin.StatusBarEdges && !skin.StatusBarEdges->Image.Empty()) {
        const int slice = bevel == PanelBevel::Lowered  ? status_slices::kLowered
                          : bevel == PanelBevel::Raised ? status_slices::kRaised
                                                        : status_slices::kFlat;
        DrawObjectState(target, r, *skin.StatusBarEdges, slice);
        return;
    }
    const Pixel shadow = ColourToPixel(look.SystemColourValue(kSystemButtonShadow));
    const Pixel light = ColourToPixel(look.SystemColourValue(kSystemButtonHighlight));
    if (bevel == PanelBevel::Lowered)
        Edge(target, r, shadow, light);
    if (bevel == PanelBevel::Raised)
        Edge(target, r, light, shadow);
}

}  // namespace

void PaintStatusBar(Bitmap& target, Rect place, const SkinDefinition& skin,
                    const std::vector<StatusPanel>& panels, bool sizeGrip, Colour fontColour,
                    TextPainter& font, const SystemLook& look) {
    FillRect(target, place, ColourToPixel(ResolveColour(skin.Colours.ButtonFace, look)));
    const Colour text = skin.StatusBarEdges ? skin.StatusBarEdges->NormalColour2 : fontColour;
    for (size_t i = 0; i < panels.size(); ++i) {
        Rect r = panels[i].Place;
        r.right = i + 1 == panels.size() ? place.right : r.right + 2;
        PanelBackground(target, r, panels[i].Bevel, skin, look);
        font.Draw(target, {r.left + 2, r.top, r.right - 2, r.bottom},
                  panels[i].Text.empty() ? " " : panels[i].Text, ResolveColour(text, look),
                  panels[i].Align);
    }
    if (sizeGrip && skin.ExtraImages && !skin.ExtraImages->Image.Empty()) {
        const TSkinObject& extra = *skin.ExtraImages;
        const Rect grip =
            SliceRect(extra.Image, extra.Frame, kSizeGripSlice, SliceLayout::SideBySide);
        DrawBitmap(target, place.right - 1 - grip.Width(), place.bottom - 1 - grip.Height(),
                   extra.Image, grip, true);
    }
}

}  // namespace skin
