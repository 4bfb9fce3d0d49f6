#include "skin/menu_item_look.h"

#include <algorithm>

#include "skin/looks.h"
#include "skin/nine_slice.h"
#include "skin/pixel_ops.h"
#include "skin/rect_fill.h"
#include "skin/skin_object_drawing.h"

namespace skin {

using pixels::Pixel;

namespace {

constexpr int kSystemButtonShadow = 16;

Pixel PixelOf(Colour c, const SystemLook& look) {
    return ColourToPixel(ResolveColour(c, look));
}

// The separator: the bottom rows of slice 2, as many as the item is high,
// its ends kept and its middle stretched to the item's width.
void DrawSeparator(Bitmap& window, Rect to, const TSkinObject& item) {
    Rect from =
        SliceRect(item.Image, item.Frame, menu_item_slices::kSeparator, SliceLayout::SideBySide);
    from.top = std::max(from.top, from.bottom - to.Height());
    DrawNineSlice(window, {to.left, to.bottom - from.Height(), to.right, to.bottom}, item.Image,
                  from, {item.LeftWidth, 0, item.RightWidth, 0},
                  {Scaling::Stretch, Scaling::Stretch, true});
}

}  // namespace

Bitmap PaintMenuBackground(Size window, const SkinDefinition& skin, const SystemLook& look) {
    Bitmap picture(window.width, window.height, PixelOf(skin.Colours.Menu, look));
    if (skin.MenuBackground && !skin.MenuBackground->Image.Empty())
        DrawObjectState(picture, {0, 0, window.width, window.height}, *skin.MenuBackground, 1);
    return picture;
}

void PaintMenuItem(Bitmap& window, Rect place, const Bitmap& background, const SkinDefinition& skin,
                   const MenuItemState& item, TextPainter& menuFont, const Bitmap& checkMark,
                   const SystemLook& look) {
    const Rect inWindow{place.left + kMenuBorder, place.top + kMenuBorder,
                        place.right + kMenuBorder, place.bottom + kMenuBorder};
    DrawBitmap(window, inWindow.left, inWindow.top, background, inWindow, false);
    const TSkinObject* look5 =
        skin.MenuItem && !skin.MenuItem->Image.Empty() ? skin.MenuItem.get() : nullptr;
    if (item.Caption == "-") {
        if (look5)
            DrawSeparator(window, inWindow, *look5);
        return;
    }
    if (look5) {
        DrawObjectState(window, inWindow, *look5,
                        item.Selected ? menu_item_slices::kSelected : menu_item_slices::kNormal);
    } else {
        FillRect(window, inWindow,
                 PixelOf(item.Selected ? skin.Colours.Hilight : skin.Colours.Menu, look));
    }

    const int left = inWindow.left + 1 + (look5 ? look5->LeftWidth : 0);
    const Rect glyph{left, inWindow.top + 1, left + kMenuGlyphWidth, inWindow.bottom - 1};
    if (item.Checked && !checkMark.Empty()) {
        DrawBitmap(window, glyph.left + (glyph.Width() - checkMark.Width()) / 2,
                   inWindow.top + (inWindow.Height() - checkMark.Height()) / 2, checkMark,
                   {0, 0, checkMark.Width(), checkMark.Height()}, true);
    }
    Colour text =
        ResolveColour(item.Selected ? skin.Colours.HilightText : skin.Colours.MenuText, look);
    if (!item.Enabled) {
        const Colour shadow = ResolveColour(skin.Colours.ButtonShadow, look);
        text = shadow == ResolveColour(skin.Colours.MenuText, look)
                   ? look.SystemColourValue(kSystemButtonShadow)
                   : shadow;
    }
    menuFont.Draw(window, {glyph.right + 3, inWindow.top, inWindow.right - 1, inWindow.bottom},
                  item.Caption, text, TextAlign::Left);
    if (!item.Shortcut.empty()) {
        menuFont.Draw(window, {glyph.right + 3, inWindow.top, inWindow.right - 10, inWindow.bottom},
                      item.Shortcut, text, TextAlign::Right);
    }
}

}  // namespace skin
