#include "skin/status_bar_look.h"

#include "skin/control_colours.h"
#include "skin/looks.h"
#include "skin/rect_fill.h"
#include "skin/size_grip.h"
#include "skin/skin_object_drawing.h"

namespace skin {

using pixels::Pixel;

namespace {

void Edge(Bitmap& target, Rect r, Pixel topLeft, Pixel bottomRight) {
    FillRect(target, {r.left, r.top, r.right, r.top + 1}, topLeft);
    FillRect(target, {r.left, r.top, r.left + 1, r.bottom}, topLeft);
    FillRect(target, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    FillRect(target, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

void PanelBackground(Bitmap& target, Rect r, PanelBevel bevel, const SkinDefinition& skin,
                     const SystemLook& system) {
    if (skin.StatusBarEdges && !skin.StatusBarEdges->Image.Empty()) {
        DrawObjectState(target, r, *skin.StatusBarEdges, StatusBevelSlice(bevel));
        return;
    }
    const Pixel shadow = PixelOf(SystemColour(SystemColourIndex::ButtonShadow), system);
    const Pixel light = PixelOf(SystemColour(SystemColourIndex::ButtonHighlight), system);
    if (bevel == PanelBevel::Lowered)
        Edge(target, r, shadow, light);
    if (bevel == PanelBevel::Raised)
        Edge(target, r, light, shadow);
}

std::string ShownText(const std::string& text) {
    return text.empty() ? " " : text;
}

}  // namespace

std::vector<Rect> StatusPanelPlaces(const std::vector<StatusPanel>& panels, int barWidth) {
    std::vector<Rect> places;
    for (size_t i = 0; i < panels.size(); ++i) {
        Rect r = panels[i].place;
        r.right = i + 1 == panels.size() ? barWidth : r.right + 2;
        places.push_back(r);
    }
    return places;
}

int StatusBevelSlice(PanelBevel bevel) {
    switch (bevel) {
        case PanelBevel::Lowered:
            return status_slices::kLowered;
        case PanelBevel::Raised:
            return status_slices::kRaised;
        case PanelBevel::None:
            break;
    }
    return status_slices::kFlat;
}

TextAlign PanelTextAlign(TextAlign align, bool rightToLeft) {
    if (!rightToLeft || align == TextAlign::Centre)
        return align;
    return align == TextAlign::Left ? TextAlign::Right : TextAlign::Left;
}

void PaintStatusBar(Bitmap& target, Rect place, const StatusBarFacts& f, const SkinDefinition& skin,
                    TextPainter& font, const SystemLook& system) {
    FillRect(target, place, PixelOf(skin.Colours.ButtonFace, system));
    const Colour text = ResolveColour(
        skin.StatusBarEdges ? skin.StatusBarEdges->NormalColour2 : f.fontColour, system);
    if (f.simple || f.panels.empty()) {
        PanelBackground(target, place, PanelBevel::Lowered, skin, system);
        font.Draw(target, Inflate(place, -2, 0), ShownText(f.simpleText), text,
                  f.rightToLeft ? TextAlign::Right : TextAlign::Left);
    } else {
        const std::vector<Rect> places = StatusPanelPlaces(f.panels, place.Width());
        for (size_t i = 0; i < f.panels.size(); ++i) {
            const StatusPanel& panel = f.panels[i];
            const Rect r = Offset(places[i], place.left, place.top);
            PanelBackground(target, r, panel.bevel, skin, system);
            if (panel.textStyle)
                font.Draw(target, Inflate(r, -2, 0), ShownText(panel.text), text,
                          PanelTextAlign(panel.align, panel.rightToLeft));
        }
    }
    if (f.sizeGrip)
        DrawSizeGrip(target, place, skin);
}

}  // namespace skin
