#include "skin/window_frame.h"

#include <algorithm>

#include "skin/skin_object_drawing.h"

namespace skin {
namespace {

TextAlign CaptionAlign(int textAlignment) {
    if (textAlignment == 1)
        return TextAlign::Right;
    if (textAlignment == 2)
        return TextAlign::Centre;
    return TextAlign::Left;
}

Colour CaptionTextColour(const SkinDefinition& skin, bool active, const SystemLook& look) {
    const Colour given = active ? skin.Title.ActiveTextColour : skin.Title.InactiveTextColour;
    if (given != TSkinTitleObject::kNotGiven)
        return given;
    return ResolveColour(active ? skin.Colours.TitleTextActive : skin.Colours.TitleTextNoActive,
                         look);
}

}  // namespace

Rect CaptionTextBox(const TSkinTitleObject& title, int windowWidth, const FrameMetrics& m) {
    const int top = title.TopHeight;
    const int bottom =
        title.FontHeight > 0 ? std::min(top + title.FontHeight, m.CaptionHeight) : m.CaptionHeight;
    return {title.LeftWidth, top, windowWidth - title.RightWidth, bottom};
}

void PaintFrame(Bitmap& window, const SkinDefinition& skin, const FrameMetrics& m,
                const CaptionState& state, std::vector<CaptionButton>& buttons,
                std::string_view caption, TextPainter& captionFont, const Bitmap& icon,
                const SystemLook& look) {
    if (state.Kind == FrameKind::NoCaption)
        return;
    const int w = window.Width(), h = window.Height();
    const bool active = state.Active;
    DrawBorderPart(window, {0, 0, m.BorderLeft, h}, skin.Left, SliceLayout::SideBySide, active);
    DrawBorderPart(window, {w - m.BorderRight, 0, w, h}, skin.Right, SliceLayout::SideBySide,
                   active);
    DrawBorderPart(window, {m.BorderLeft, h - m.BorderBottom, w - m.BorderRight, h}, skin.Bottom,
                   SliceLayout::Stacked, active);
    DrawBorderPart(window, {m.BorderLeft, 0, w - m.BorderRight, m.CaptionHeight}, skin.Top,
                   SliceLayout::Stacked, active);

    captionFont.Draw(window, CaptionTextBox(skin.Title, w, m), caption,
                     CaptionTextColour(skin, active, look), CaptionAlign(skin.Title.TextAlignment));

    const int menuBarLeft = skin.MenuBar ? skin.MenuBar->LeftWidth : 0;
    LayOutCaptionButtons(buttons, state, w, m, {icon.Width(), icon.Height()}, menuBarLeft);
    for (const CaptionButton& b : buttons) {
        if (b.Visible && b.Button->Visibility != 100 && !b.Place.Empty())
            DrawCaptionButton(window, b, CaptionPaintSlice(*b.Button, active), icon);
    }
}

}  // namespace skin
