#include "skin/window/skin_group_box.h"

#include "skin/box_look.h"
#include "skin/group_box_look.h"

namespace skin::window {

TSkinGroupBox::TSkinGroupBox(const ControlContext& context)
    : TSkinControl(context, {SkinnedControlKind::TSkinGroupBox}) {}

bool TSkinGroupBox::BeforeMessage(ui::TMessage& m, const ui::NextHandler& next) {
    // A bare box paints in its own way first (the base paints over it).
    if (Control() && PaintAlone(m))
        return false;
    return TSkinControl::BeforeMessage(m, next);
}

void TSkinGroupBox::DrawControl(HDC dc, Rect place, const SkinDefinition& skin) {
    Bitmap picture(place.Width(), place.Height());
    PaintBoxBackground(picture, place, skin, Look());
    PaintGroupBox(picture, place, skin, Caption(), FontColour(), Control() == nullptr, Font(),
                  Look());
    const int saved = SaveDC(dc);
    ExcludeChildWindows(dc, Window());
    Blit(dc, picture, place);
    RestoreDC(dc, saved);
}

}  // namespace skin::window
