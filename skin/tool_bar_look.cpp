#include "skin/tool_bar_look.h"

#include "skin/nine_slice.h"

namespace skin {

std::optional<Look> ToolButtonLook(const ToolButtonState& s, const SkinDefinition& skin) {
    if (s.greyed || s.disabled || skin.Buttons.Image.Empty())
        return std::nullopt;
    if (s.selected || s.checked)
        return Look::Pressed;
    if (s.hot || s.focused)
        return Look::Hot;
    return Look::Normal;
}

void PaintToolButton(Bitmap& target, Rect button, Look look, const SkinDefinition& skin) {
    const TSkinButtonObject& b = skin.Buttons;
    DrawNineSlice(target, Inflate(button, -1, -1), b.Image,
                  SliceRect(b.Image, b.Frame, SliceOf(look), SliceLayout::SideBySide),
                  b.GetMargins(), {Scaling::Stretch, Scaling::Stretch, b.Trans != 0});
}

bool ToolBarGetsGradient(const SkinDefinition& skin, bool toolbarBackgroundOption) {
    return !toolbarBackgroundOption && !skin.Toolbar.Image.Empty();
}

void PaintToolBarBackground(Bitmap& target, Rect place, const SkinDefinition& skin) {
    const Bitmap& gradient = skin.Toolbar.Image;
    DrawNineSlice(target, place, gradient, {0, 0, gradient.Width(), gradient.Height()}, {},
                  {Scaling::Stretch, Scaling::Stretch, false});
}

}  // namespace skin
