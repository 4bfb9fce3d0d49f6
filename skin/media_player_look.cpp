#include "skin/media_player_look.h"

#include <cstdint>

#include "skin/box_look.h"
#include "skin/control_colours.h"
#include "skin/push_button_look.h"
#include "skin/skin_object_drawing.h"

namespace skin {

Rect MediaButtonPlace(int width, int height, int count, int index) {
    const auto edge = [&](int i) { return static_cast<int>(int64_t{width} * i / count); };
    return {edge(index), 0, edge(index + 1), height};
}

int MediaButtonAt(int width, int count, int x) {
    if (count <= 0 || x < 0 || x >= width)
        return -1;
    for (int i = 0; i < count; ++i) {
        if (x < MediaButtonPlace(width, 1, count, i).right)
            return i;
    }
    return -1;
}

void PaintMediaPlayer(Bitmap& target, Rect place, const MediaPlayerFacts& f,
                      const SkinDefinition& skin, const SystemLook& system) {
    PaintBoxBackground(target, place, skin, system);
    const int count = static_cast<int>(f.buttons.size());
    for (int i = 0; i < count; ++i) {
        const MediaButton& button = f.buttons[i];
        const Rect r = Offset(MediaButtonPlace(place.Width(), place.Height(), count, i), place.left,
                              place.top);
        const Look look = PushButtonLook({i == f.pressed, i == f.hot, false, button.enabled});
        if (!skin.Buttons.Image.Empty())
            DrawObjectState(target, r, skin.Buttons, SliceOf(look));
        const Colour ink = button.enabled ? skin.Colours.ButtonText : skin.Colours.ButtonShadow;
        DrawSmallGlyphCentred(target, r, button.sign, PixelOf(ink, system));
    }
}

}  // namespace skin
