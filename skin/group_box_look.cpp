#include "skin/group_box_look.h"

#include <utility>

#include "skin/rect_fill.h"

namespace skin {

using pixels::Pixel;

void PaintGroupBox(Bitmap& target, Rect place, const SkinDefinition& skin, std::string_view caption,
                   Colour textColour, TextPainter& font, const SystemLook& look) {
    const Pixel shadow = ColourToPixel(ResolveColour(skin.Colours.ButtonShadow, look));
    const Pixel face = ColourToPixel(ResolveColour(skin.Colours.ButtonFace, look));
    const int a = font.Measure("0").height / 2;
    // A rounded rectangle with 5 x 5 corner ellipses: each corner's
    // outermost pixel stays clear, the line steps in by one around it.
    const Rect r{place.left + 1, place.top + a, place.right - 1, place.bottom - 1};
    FillRect(target, {r.left + 2, r.top, r.right - 2, r.top + 1}, shadow);
    FillRect(target, {r.left + 2, r.bottom - 1, r.right - 2, r.bottom}, shadow);
    FillRect(target, {r.left, r.top + 2, r.left + 1, r.bottom - 2}, shadow);
    FillRect(target, {r.right - 1, r.top + 2, r.right, r.bottom - 2}, shadow);
    const std::pair<int, int> corners[] = {{r.left + 1, r.top + 1},
                                           {r.right - 2, r.top + 1},
                                           {r.left + 1, r.bottom - 2},
                                           {r.right - 2, r.bottom - 2}};
    for (const auto& [x, y] : corners)
        FillRect(target, {x, y, x + 1, y + 1}, shadow);
    if (caption.empty())
        return;
    const Size text = font.Measure(caption);
    const Rect box{place.left + 8, place.top, place.left + 8 + text.width, place.top + text.height};
    FillRect(target, box, face);
    font.Draw(target, box, caption, textColour, TextAlign::Left);
}

}  // namespace skin
