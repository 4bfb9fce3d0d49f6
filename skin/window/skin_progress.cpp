#include "skin/window/skin_progress.h"

#include <commctrl.h>

namespace skin::window {

TSkinProgress::TSkinProgress(const ControlContext& context)
    : TSkinControl(context, {SkinnedControlKind::TSkinProgress}) {}

bool TSkinProgress::BeforeMessage(ui::TMessage& m, const ui::NextHandler& next) {
    return !PaintAlone(m) && TSkinControl::BeforeMessage(m, next);
}

ProgressFacts TSkinProgress::Facts() const {
    ProgressFacts f;
    const LONG style = GetWindowLongW(Window(), GWL_STYLE);
    f.vertical = (style & PBS_VERTICAL) != 0;
    f.smooth = (style & PBS_SMOOTH) != 0;
    PBRANGE range{};
    SendMessageW(Window(), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    f.min = range.iLow;
    f.max = range.iHigh;
    f.position = static_cast<int>(SendMessageW(Window(), PBM_GETPOS, 0, 0));
    return f;
}

void TSkinProgress::DrawControl(HDC dc, Rect place, const SkinDefinition& skin) {
    Bitmap picture(place.Width(), place.Height());
    PaintProgressBar(picture, place, Facts(), skin, Look());
    Blit(dc, picture, place);
}

}  // namespace skin::window
