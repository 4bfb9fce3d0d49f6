#include "skin/push_button_look.h"

#include <algorithm>

#include "skin/caption_lines.h"
#include "skin/control_colours.h"
#include "skin/focus_rect.h"
#include "skin/rect_fill.h"
#include "skin/skin_object_drawing.h"
#include "skin/small_glyphs.h"
#include "text/text_rules.h"

namespace skin {
namespace {

constexpr int kOverParentTag = 5555;

}  // namespace

Look PushButtonLook(const ButtonState& s) {
    if (!s.Enabled)
        return Look::Disabled;
    if (s.Pressed)
        return Look::Pressed;
    if (s.Hot)
        return Look::Hot;
    if (s.Focused)
        return Look::Focused;
    return Look::Normal;
}

Colour PushButtonTextColour(const SkinDefinition& skin, Look look, Colour fontColour,
                            const SystemLook& system) {
    const TSkinButtonObject& b = skin.Buttons;
    switch (look) {
        case Look::Disabled:
            return SystemButtonShadow(system);
        case Look::Normal:
            return b.HasNormalColour2 ? b.NormalColour2 : fontColour;
        case Look::Hot:
            return b.HasMouseOverColour2 ? b.MouseOverColour2 : fontColour;
        case Look::Pressed:
            return b.HasPressedColour2 ? b.PressedColour2 : fontColour;
        default:
            return fontColour;
    }
}

Colour PushButtonBackground(const ButtonBackgroundFacts& f, const SkinDefinition& skin) {
    const std::string name = text::LowerAscii(f.className);
    const bool overParent = f.tag == kOverParentTag || f.transparentOption ||
                            name.starts_with("trz") || name.starts_with("tel");
    return overParent && f.parentColour != kNoColour ? f.parentColour : skin.Colours.ButtonFace;
}

void PaintPushButton(Bitmap& target, Rect place, const PushButtonFacts& f,
                     const SkinDefinition& skin, TextPainter& font, const SystemLook& system) {
    const Look look = PushButtonLook(f.state);
    FillRect(target, place, PixelOf(f.background, system));
    if (!skin.Buttons.Image.Empty())
        DrawObjectState(target, place, skin.Buttons, SliceOf(look));

    const Colour text =
        ResolveColour(PushButtonTextColour(skin, look, f.fontColour, system), system);
    Rect content = place;
    if (f.dropDown) {
        content.right = std::max(content.left, content.right - kDropDownWidth);
        DrawSmallGlyphCentred(target, {content.right, place.top, place.right, place.bottom},
                              SmallGlyph::DropDown, ColourToPixel(text));
    }

    const std::vector<std::string> lines = CaptionLines(f.caption);
    ButtonLayoutFacts layout;
    layout.client = {content.Width(), content.Height()};
    layout.glyph = GlyphSize(f.glyph);
    layout.text = MeasureLines(lines, font);
    layout.layout = f.layout;
    layout.margin = f.centred ? -1 : f.margin;
    layout.spacing = f.spacing;
    layout.rightToLeft = f.rightToLeft;
    const ButtonContent placed = LayOutButton(layout);
    DrawButtonGlyph(target, content.left + placed.glyph.left, content.top + placed.glyph.top,
                    f.glyph, GlyphStateOf(look));
    const Rect textBox = Offset(placed.text, content.left, content.top);
    DrawLines(target, textBox, lines, text, TextAlign::Centre, font);

    if (f.state.Focused && f.focusRect) {
        const Rect ring = lines.empty() ? Inflate(place, -3, -3) : Inflate(textBox, 2, 2);
        DrawFocusRect(target, ring, place);
    }
}

}  // namespace skin
