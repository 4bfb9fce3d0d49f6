#include "skin/header_look.h"

#include <algorithm>

#include "skin/control_colours.h"
#include "skin/skin_object_drawing.h"

namespace skin {

Look HeaderLook(const HeaderFacts& f, int index) {
    if (!f.enabled)
        return Look::Disabled;
    if (index == f.pressed)
        return Look::Pressed;
    if (index == f.hot)
        return Look::Hot;
    return Look::Normal;
}

void PaintHeader(Bitmap& target, Rect place, const HeaderFacts& f, const SkinDefinition& skin,
                 TextPainter& font, const SystemLook& system) {
    if (!skin.Headerbar || skin.Headerbar->Image.Empty())
        return;
    const TSkinObject& header = *skin.Headerbar;
    int end = 0;
    for (int i = 0; i < static_cast<int>(f.sections.size()); ++i) {
        const HeaderSection& section = f.sections[i];
        const Look look = HeaderLook(f, i);
        const Rect r = Offset(section.place, place.left, place.top);
        DrawObjectState(target, r, header, SliceOf(look));
        font.Draw(target, Inflate(r, -kHeaderTextInset, 0), section.caption,
                  ObjectTextColour(header, look, system), section.align);
        end = std::max(end, section.place.right);
    }
    if (end < place.Width())
        DrawObjectState(target, {place.left + end, place.top, place.right, place.bottom}, header,
                        SliceOf(f.enabled ? Look::Normal : Look::Disabled));
}

}  // namespace skin
