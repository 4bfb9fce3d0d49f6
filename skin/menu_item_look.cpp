#include "skin/menu_item_look.h"

#include <algorithm>

#include "skin/button_glyph.h"
#include "skin/looks.h"
#include "skin/nine_slice.h"
#include "skin/pixel_ops.h"
#include "skin/rect_fill.h"
#include "skin/skin_object_drawing.h"

namespace skin {

using pixels::Pixel;

namespace {

constexpr int kSystemButtonFace = 15;
constexpr int kSystemButtonShadow = 16;
constexpr int kSystemButtonHighlight = 20;
constexpr int kStandardGlyphWidth = 16;
// The plain separator's etched line lies this far below the item's top.
constexpr int kEtchedLineTop = 4;
// The caption starts this far right of the glyph column.
constexpr int kCaptionGap = 3;
// The shortcut ends this far before the item's right edge.
constexpr int kShortcutEnd = 10;
constexpr Pixel kWhitePixel = pixels::MakePixel(255, 255, 255);

Pixel PixelOf(Colour c, const SystemLook& look) {
    return ColourToPixel(ResolveColour(c, look));
}

Pixel SystemPixel(int index, const SystemLook& look) {
    return ColourToPixel(look.SystemColourValue(index) & 0xFFFFFF);
}

const TSkinObject* ItemPicture(const SkinDefinition& skin) {
    return skin.MenuItem && !skin.MenuItem->Image.Empty() ? skin.MenuItem.get() : nullptr;
}

// Draws on `item` as on its mirror image when the menu runs right to left,
// so a picture's left edge ends up at the item's right.
template <class Draw>
void DrawFacing(Bitmap& item, bool rightToLeft, Draw draw) {
    if (!rightToLeft) {
        draw(item);
        return;
    }
    Bitmap turned = Mirror(item);
    draw(turned);
    item = Mirror(turned);
}

// The separator: the bottom rows of slice 2, as many as the item is high,
// its ends kept and its middle stretched to the item's width.
void DrawSeparatorLine(Bitmap& item, const TSkinObject& picture) {
    Rect from = SliceRect(picture.Image, picture.Frame, menu_item_slices::kSeparator,
                          SliceLayout::SideBySide);
    from.top = std::max(from.top, from.bottom - item.Height());
    DrawNineSlice(item, {0, item.Height() - from.Height(), item.Width(), item.Height()},
                  picture.Image, from, {picture.LeftWidth, 0, picture.RightWidth, 0},
                  {Scaling::Stretch, Scaling::Stretch, true});
}

// The system's etched line: shadow above highlight.
void DrawEtchedLine(Bitmap& item, const SystemLook& look) {
    const int w = item.Width();
    FillRect(item, {0, kEtchedLineTop, w, kEtchedLineTop + 1},
             SystemPixel(kSystemButtonShadow, look));
    FillRect(item, {0, kEtchedLineTop + 1, w, kEtchedLineTop + 2},
             SystemPixel(kSystemButtonHighlight, look));
}

// The mask's pixels that are not white, in `ink`, its top-left corner at
// (x, y).
void DrawInk(Bitmap& target, int x, int y, const Bitmap& mask, Pixel ink) {
    for (int my = 0; my < mask.Height(); ++my) {
        const int ty = y + my;
        if (ty < 0 || ty >= target.Height())
            continue;
        for (int mx = 0; mx < mask.Width(); ++mx) {
            const int tx = x + mx;
            if (tx >= 0 && tx < target.Width() && mask.At(mx, my) != kWhitePixel)
                target.At(tx, ty) = ink;
        }
    }
}

// The box of a checked item with an image: the framework's dithered
// pattern of button face and button highlight, in a sunken edge.
void DrawCheckedImageBox(Bitmap& item, Rect box, const SystemLook& look) {
    const Pixel face = SystemPixel(kSystemButtonFace, look);
    const Pixel light = SystemPixel(kSystemButtonHighlight, look);
    const Pixel shadow = SystemPixel(kSystemButtonShadow, look);
    box = {std::max(box.left, 0), std::max(box.top, 0), std::min(box.right, item.Width()),
           std::min(box.bottom, item.Height())};
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x)
            item.At(x, y) = (x + y) % 2 ? light : face;
    }
    FillRect(item, {box.left, box.top, box.right, box.top + 1}, shadow);
    FillRect(item, {box.left, box.top, box.left + 1, box.bottom}, shadow);
    FillRect(item, {box.left, box.bottom - 1, box.right, box.bottom}, light);
    FillRect(item, {box.right - 1, box.top, box.right, box.bottom}, light);
}

Colour TextColour(const MenuItemFacts& item, const SkinDefinition& skin, const SystemLook& look) {
    const Colour menuText = ResolveColour(skin.Colours.MenuText, look);
    if (item.Enabled)
        return item.Selected ? ResolveColour(skin.Colours.HilightText, look) : menuText;
    // A skin whose shadow is its menu text would hide that the item is off.
    const Colour shadow = ResolveColour(skin.Colours.ButtonShadow, look);
    return shadow == menuText ? look.SystemColourValue(kSystemButtonShadow) & 0xFFFFFF : shadow;
}

const Bitmap* ImageOf(const MenuItemFacts& item, const MenuImages* images) {
    if (!images || item.ImageIndex < 0 ||
        static_cast<size_t>(item.ImageIndex) >= images->Images.size())
        return nullptr;
    return &images->Images[static_cast<size_t>(item.ImageIndex)];
}

void DrawGlyphColumn(Bitmap& out, Rect box, const MenuItemFacts& item, Colour text,
                     const MenuItemSources& sources) {
    if (const Bitmap* image = ImageOf(item, sources.Images)) {
        if (item.Checked)
            DrawCheckedImageBox(out, box, sources.Look);
        if (sources.Images->Masks) {
            DrawInk(out, box.left, box.top, *image, ColourToPixel(text));
        } else {
            DrawButtonGlyph(out, box.left, box.top, {image, 1, pixels::kMagenta},
                            GlyphStateOf(item.Enabled ? Look::Normal : Look::Disabled));
        }
    } else if (item.Checked && sources.CheckMark && !sources.CheckMark->Empty()) {
        const Bitmap& mark = *sources.CheckMark;
        DrawInk(out, box.left + (box.Width() - mark.Width()) / 2,
                (out.Height() - mark.Height()) / 2, mark,
                PixelOf(sources.Skin.Colours.ButtonText, sources.Look));
    }
}

}  // namespace

Bitmap PaintMenuBackground(Size window, const SkinDefinition& skin, const SystemLook& look) {
    Bitmap picture(window.width, window.height, PixelOf(skin.Colours.Menu, look));
    if (skin.MenuBackground && !skin.MenuBackground->Image.Empty())
        DrawObjectState(picture, {0, 0, window.width, window.height}, *skin.MenuBackground, 1);
    return picture;
}

int MenuGlyphColumnWidth(const MenuItemFacts& item, const MenuImages* images) {
    const int width = images ? images->ImageSize.width : kStandardGlyphWidth;
    return item.Checked ? std::max(width, kStandardGlyphWidth) : width;
}

Bitmap ComposeMenuItem(Rect place, const MenuItemFacts& item, const MenuItemSources& sources) {
    const SkinDefinition& skin = sources.Skin;
    const SystemLook& look = sources.Look;
    const int w = std::max(place.Width(), 0), h = std::max(place.Height(), 0);
    Bitmap out(w, h, PixelOf(skin.Colours.Menu, look));
    if (sources.Background) {
        const Rect under = Offset(place, sources.ClientOrigin.x, sources.ClientOrigin.y);
        DrawBitmap(out, 0, 0, *sources.Background, under, false);
    }
    const TSkinObject* picture = ItemPicture(skin);
    if (item.Text.IsSeparator()) {
        if (picture)
            DrawFacing(out, sources.RightToLeft,
                       [&](Bitmap& b) { DrawSeparatorLine(b, *picture); });
        else
            DrawEtchedLine(out, look);
        return out;
    }
    if (picture) {
        const int slice = item.Selected ? menu_item_slices::kSelected : menu_item_slices::kNormal;
        DrawFacing(out, sources.RightToLeft, [&](Bitmap& b) {
            DrawObjectState(b, {0, 0, w, h}, *picture, slice);
        });
    } else {
        FillRect(out, {0, 0, w, h},
                 PixelOf(item.Selected ? skin.Colours.Hilight : skin.Colours.Menu, look));
    }

    const int inset = 1 + (picture ? picture->LeftWidth : 0);
    const int glyphWidth = MenuGlyphColumnWidth(item, sources.Images);
    const int boxBottom = sources.Images ? 1 + sources.Images->ImageSize.height : h - 1;
    const Rect box = sources.RightToLeft ? Rect{w - inset - glyphWidth, 1, w - inset, boxBottom}
                                         : Rect{inset, 1, inset + glyphWidth, boxBottom};
    const Colour text = TextColour(item, skin, look);
    DrawGlyphColumn(out, box, item, text, sources);

    TextPainter& font = item.Default ? sources.Fonts.Bold : sources.Fonts.Normal;
    const std::string& caption = item.Text.Caption;
    const std::string& shortcut = item.Text.Shortcut;
    if (sources.RightToLeft) {
        font.Draw(out, {1, 0, box.left - kCaptionGap, h}, caption, text, TextAlign::Right);
        if (!shortcut.empty())
            font.Draw(out, {kShortcutEnd, 0, box.left - kCaptionGap, h}, shortcut, text,
                      TextAlign::Left);
    } else {
        font.Draw(out, {box.right + kCaptionGap, 0, w - 1, h}, caption, text, TextAlign::Left);
        if (!shortcut.empty())
            font.Draw(out, {box.right + kCaptionGap, 0, w - kShortcutEnd, h}, shortcut, text,
                      TextAlign::Right);
    }
    return out;
}

}  // namespace skin
