#include "skin/scroll_bar_window_look.h"

#include "skin/box_look.h"
#include "skin/size_grip.h"

namespace skin {

void PaintScrollBarWindow(Bitmap& target, Rect place, const ScrollBarWindowFacts& f,
                          const SkinDefinition& skin, const SystemLook& system) {
    if (!f.sizeBox) {
        PaintScrollBar(target, place, skin, f.bar, f.arrow, system);
        return;
    }
    PaintBoxBackground(target, place, skin, system);
    if (f.sizeGrip)
        DrawSizeGrip(target, place, skin);
}

}  // namespace skin
