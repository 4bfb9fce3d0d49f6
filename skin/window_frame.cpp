#include "skin/window_frame.h"

#include <algorithm>

#include "skin/pixel_ops.h"
#include "skin/rect_fill.h"
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

void DrawCaptionText(Bitmap& window, const SkinDefinition& skin, const FrameMetrics& m, bool active,
                     std::string_view caption, TextPainter& captionFont, const SystemLook& look) {
    captionFont.Draw(window, CaptionTextBox(skin.Title, window.Width(), m), caption,
                     CaptionTextColour(skin, active, look), CaptionAlign(skin.Title.TextAlignment));
}

Pixel ButtonFace(const SkinDefinition& skin, const SystemLook& look) {
    return ColourToPixel(ResolveColour(skin.Colours.ButtonFace, look));
}

}  // namespace

Rect CaptionTextBox(const TSkinTitleObject& title, int windowWidth, const FrameMetrics& m) {
    const int top = title.TopHeight;
    const int bottom =
        title.FontHeight > 0 ? std::min(top + title.FontHeight, m.CaptionHeight) : m.CaptionHeight;
    return {title.LeftWidth, top, windowWidth - title.RightWidth, bottom};
}

void PaintBordersAndCaption(Bitmap& window, const SkinDefinition& skin, const FrameMetrics& m,
                            bool active, std::string_view caption, TextPainter& captionFont,
                            const SystemLook& look) {
    const int w = window.Width(), h = window.Height();
    DrawBorderPart(window, {0, 0, m.BorderLeft, h}, skin.Left, SliceLayout::SideBySide, active);
    DrawBorderPart(window, {w - m.BorderRight, 0, w, h}, skin.Right, SliceLayout::SideBySide,
                   active);
    DrawBorderPart(window, {m.BorderLeft, h - m.BorderBottom, w - m.BorderRight, h}, skin.Bottom,
                   SliceLayout::Stacked, active);
    DrawBorderPart(window, {m.BorderLeft, 0, w - m.BorderRight, m.CaptionHeight}, skin.Top,
                   SliceLayout::Stacked, active);
    DrawCaptionText(window, skin, m, active, caption, captionFont, look);
}

void FillMenuBand(Bitmap& window, const SkinDefinition& skin, const FrameMetrics& m,
                  const SystemLook& look) {
    FillRect(window, m.MenuBand({window.Width(), window.Height()}), ButtonFace(skin, look));
}

void PaintCaptionButtons(Bitmap& window, const SkinDefinition& skin, const FrameMetrics& m,
                         const CaptionState& state, std::vector<TCaptionButton>& buttons,
                         const Bitmap& icon) {
    const int menuBarLeft = skin.MenuBar ? skin.MenuBar->LeftWidth : 0;
    LayOutCaptionButtons(buttons, state, window.Width(), m, {icon.Width(), icon.Height()},
                         menuBarLeft);
    for (const TCaptionButton& b : buttons) {
        if (b.Visible && b.Button().Visibility != 100 && !b.Place.Empty())
            DrawCaptionButton(window, b, CaptionPaintSlice(b.Button(), state.Active), icon);
    }
}

void PaintFrame(Bitmap& window, const SkinDefinition& skin, const FrameMetrics& m,
                const CaptionState& state, std::vector<TCaptionButton>& buttons,
                std::string_view caption, TextPainter& captionFont, const Bitmap& icon,
                const SystemLook& look) {
    if (state.Kind == FrameKind::NoCaption)
        return;
    PaintBordersAndCaption(window, skin, m, state.Active, caption, captionFont, look);
    PaintCaptionButtons(window, skin, m, state, buttons, icon);
}

void PaintMinimisedCaption(Bitmap& window, const SkinDefinition& skin, const FrameMetrics& m,
                           const CaptionState& state, std::vector<TCaptionButton>& buttons,
                           std::string_view caption, TextPainter& captionFont, const Bitmap& icon,
                           const SystemLook& look) {
    FillRect(window, {0, 0, window.Width(), window.Height()}, ButtonFace(skin, look));
    DrawBorderPart(window, {0, 0, window.Width(), m.CaptionHeight}, skin.Top, SliceLayout::Stacked,
                   state.Active);
    DrawCaptionText(window, skin, m, state.Active, caption, captionFont, look);
    PaintCaptionButtons(window, skin, m, state, buttons, icon);
}

void RepaintCaptionButton(Bitmap& window, const Bitmap& background, const TCaptionButton& button,
                          const Bitmap& icon) {
    const Rect r = button.Place;
    DrawBitmap(window, r.left, r.top, background, r, false);
    DrawCaptionButton(window, button, CaptionStateSlice(button), icon);
}

}  // namespace skin
