#include "skin/button_layout.h"

namespace skin {

ButtonContent LayOutButton(const ButtonLayoutFacts& f) {
    GlyphLayout layout = f.layout;
    if (f.rightToLeft && layout == GlyphLayout::Left)
        layout = GlyphLayout::Right;
    else if (f.rightToLeft && layout == GlyphLayout::Right)
        layout = GlyphLayout::Left;
    const bool sideBySide = layout == GlyphLayout::Left || layout == GlyphLayout::Right;

    // Along the line of glyph and caption, and across it.
    const int room = sideBySide ? f.client.width : f.client.height;
    const int glyphAlong = sideBySide ? f.glyph.width : f.glyph.height;
    const int textAlong = sideBySide ? f.text.width : f.text.height;
    const int roomAcross = sideBySide ? f.client.height : f.client.width;
    const int glyphAcross = sideBySide ? f.glyph.height : f.glyph.width;
    const int textAcross = sideBySide ? f.text.height : f.text.width;

    int margin = f.margin;
    int spacing = f.text.width == 0 || f.glyph.width == 0 ? 0 : f.spacing;
    if (margin == -1) {
        if (spacing == -1) {
            margin = (room - (glyphAlong + textAlong)) / 3;
            spacing = margin;
        } else {
            margin = (room - (glyphAlong + spacing + textAlong) + 1) / 2;
        }
    } else if (spacing == -1) {
        spacing = (room - (margin + glyphAlong) - textAlong) / 2;
    }

    int glyphAt = 0, textAt = 0;
    if (layout == GlyphLayout::Left || layout == GlyphLayout::Top) {
        glyphAt = margin;
        textAt = glyphAt + glyphAlong + spacing;
    } else {
        glyphAt = room - margin - glyphAlong;
        textAt = glyphAt - spacing - textAlong;
    }
    const int glyphAcrossAt = (roomAcross - glyphAcross + 1) / 2;
    const int textAcrossAt = (roomAcross - textAcross + 1) / 2;

    const auto place = [sideBySide](int along, int across, int alongSize, int acrossSize) {
        return sideBySide ? Rect{along, across, along + alongSize, across + acrossSize}
                          : Rect{across, along, across + acrossSize, along + alongSize};
    };
    return {place(glyphAt, glyphAcrossAt, glyphAlong, glyphAcross),
            place(textAt, textAcrossAt, textAlong, textAcross)};
}

}  // namespace skin
