#include "frame.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "face.h"
#include "glyphs.h"

namespace paint {
namespace {

constexpr int kTileCell = 16;  // the snow's cell; the caption's middle is a multiple of it
constexpr int kMiddleWidth = 10 * kTileCell;
constexpr int kBodyHeight = 48;
constexpr int kIconSize = 16;

int RoundUp(int v, int step) {
    return (v + step - 1) / step * step;
}

struct CaptionButton {
    std::string kind;  // close, max, restore, min
    int x, y, w, h;    // in the model window
};

struct Geometry {
    int caption, border, bottom, radius, bottomRadius;
    int width, height;      // of the model window
    int topLeft, topRight;  // the unscaled ends of the top border
    int bottomEnds;         // the unscaled ends of the bottom border
    bool stretch;
    bool rightAligned;
    std::vector<CaptionButton> buttons;
    std::optional<std::pair<int, int>> icon;
};

std::pair<int, int> ButtonSize(const Description& d, const std::string& kind) {
    const std::vector<int> size =
        d.Ints("captionbuttons",
               kind == "close" && d.Has("captionbuttons", "close") ? "close" : "size", 2);
    return {size[0], size[1]};
}

Geometry Measure(const Description& d) {
    Geometry g;
    g.caption = d.Int("frame", "caption");
    g.border = d.Int("frame", "border");
    g.bottom = d.Int("frame", "bottom");
    g.radius = d.Int("frame", "radius", 0);
    g.bottomRadius = d.Int("frame", "bottom.radius", 0);
    g.stretch = d.Word("frame", "stretch", {"yes", "no"}, "yes") == "yes";
    g.rightAligned = d.Word("captionbuttons", "align", {"right", "left"}, "right") == "right";
    if (d.Has("captionbuttons", "icon")) {
        const std::vector<int> at = d.Ints("captionbuttons", "icon", 2);
        g.icon = std::pair{at[0], at[1]};
    }

    // Lay the buttons out from the edge they stand by; `reach` is how far
    // they reach in from it.
    const int top = d.Int("captionbuttons", "top");
    const int gap = d.Int("captionbuttons", "gap");
    const int closeGap = d.Int("captionbuttons", "close.gap", gap);
    int reach = d.Int("captionbuttons", "edge");
    std::vector<std::pair<std::string, int>> fromEdge;  // kind, distance of its far side
    for (const std::string& kind : d.List("captionbuttons", "order")) {
        if (kind != "close" && kind != "max" && kind != "min") {
            throw DescriptionError("[captionbuttons] order lists close, max and min, not \"" +
                                   kind + "\"");
        }
        const auto [w, h] = ButtonSize(d, kind);
        reach += w;
        fromEdge.emplace_back(kind, reach);
        reach += kind == "close" ? closeGap : gap;
    }
    const int buttonsReach = fromEdge.empty() ? 0 : fromEdge.back().second;
    const int iconReach = g.icon ? g.icon->first + kIconSize : 0;
    const int leftReach = std::max(iconReach, g.rightAligned ? 0 : buttonsReach);
    const int rightReach = g.rightAligned ? buttonsReach : 0;

    g.topLeft =
        RoundUp(std::max(g.radius, leftReach - g.border) + 2 + g.border, kTileCell) - g.border;
    g.topRight = std::max(g.radius, rightReach - g.border) + 2;
    g.bottomEnds = std::max(g.bottomRadius - g.border, 0) + 2;
    g.width = 2 * g.border + g.topLeft + kMiddleWidth + g.topRight;
    g.height = g.caption + kBodyHeight + g.bottom;

    for (const auto& [kind, far] : fromEdge) {
        const auto [w, h] = ButtonSize(d, kind);
        const int x = g.rightAligned ? g.width - far : far - w;
        g.buttons.push_back({kind, x, top, w, h});
        if (kind == "max")
            g.buttons.push_back({"restore", x, top, w, h});
    }
    return g;
}

Shape Outer(const Geometry& g, float inset = 0) {
    const Rect r{inset, inset, g.width - inset, g.height - inset};
    const Rect lower{inset, g.height / 2.0f, g.width - inset, g.height - inset};
    return Union(Box(r, std::max(0.0f, g.radius - inset)),
                 Box(lower, std::max(0.0f, g.bottomRadius - inset)));
}

// The model window in one state: frame and caption, its client area left
// clear.
Canvas PaintModel(const Description& d, const Geometry& g, const std::string& state) {
    const std::string s = "frame." + state;
    const float w = static_cast<float>(g.width), h = static_cast<float>(g.height);
    const float caption = static_cast<float>(g.caption);
    const int captionInset = d.Int(s, "caption.inset", 0);
    Canvas c(g.width, g.height);
    const Shape outer = Outer(g);

    const Gradient edge = d.GradientOf(s, "edge");
    const float side = static_cast<float>(g.border), bottom = static_cast<float>(g.bottom);
    c.Draw(outer, [&](float x, float y) {
        float t = std::min({x / side, (w - x) / side, (h - y) / bottom});
        if (captionInset > 0)
            t = std::min(t, y / side);
        return edge.At(std::clamp(t, 0.0f, 1.0f));
    });

    const Rect captionBox{float(captionInset), float(captionInset), w - captionInset,
                          caption - d.Int(s, "caption.gap", 0)};
    const Shape captionShape = Intersect(outer, Box(captionBox));
    const bool down = d.Word(s, "direction", {"down", "across"}, "down") == "down";
    const Gradient fill = d.GradientOf(s, "caption");
    c.Draw(captionShape, down ? Vertical(fill, captionBox.y0, captionBox.y1)
                              : Horizontal(fill, captionBox.x0, captionBox.x1));

    if (d.Word(s, "texture", {"none", "brushed"}, "none") == "brushed") {
        Brush(c, outer, d.Int(s, "grain") / 100.0f);
    }
    if (const int snow = d.Int(s, "snow", 0); snow > 0) {
        // The middle starts and ends on cell boundaries, so it tiles.
        Snow(c, captionShape, snow / 100.0f, kTileCell / 2);
    }
    if (const int gloss = d.Int(s, "gloss", 0); gloss > 0) {
        const float height =
            (captionBox.y1 - captionBox.y0) * d.Int(s, "gloss.height", 50) / 100.0f;
        c.Modify(Intersect(captionShape, Box({0, captionBox.y0, w, captionBox.y0 + height})),
                 [&](Colour col, int, int y) {
                     const float t = std::clamp((y + 0.5f - captionBox.y0) / height, 0.0f, 1.0f);
                     return Mix(col, kWhite, gloss / 100.0f * (1 - 0.7f * t));
                 });
    }
    if (const int cap = d.Int(s, "snowcap", 0); cap > 0) {
        // A bank of snow along the top whose lower edge waves with a period
        // that divides the tile cell.
        const float left = static_cast<float>(g.border + g.topLeft);
        const Shape bank = [cap, left](float x, float y) {
            const float p = 2 * 3.14159265f * (x - left) / kTileCell;
            const float edge = cap + 1.3f * std::sin(p) + 0.7f * std::sin(2 * p + 1);
            return y - edge;
        };
        c.Fill(Intersect(outer, Offset(bank, 0, 1)), {196, 214, 232});
        c.Fill(Intersect(outer, bank), {252, 253, 255});
    }
    if (const auto trim = d.OptionalTint(s, "trim")) {
        const float tw = static_cast<float>(d.Int(s, "trim.width", 1));
        c.Fill(Box({side, caption - tw, w - side, caption}), trim->colour, trim->alpha);
    }
    if (const auto inner = d.OptionalTint(s, "inner")) {
        const Shape ring = Ring(Box({side - 1, caption - 1, w - side + 1, h - bottom + 1}), 1);
        c.Fill(Intersect(ring, Box({0, caption, w, h})), inner->colour, inner->alpha);
    }
    if (const auto highlight = d.OptionalTint(s, "highlight")) {
        c.Fill(Intersect(Ring(Outer(g, 1), 1), Box({0, 0, w, caption})), highlight->colour,
               highlight->alpha);
    }
    if (const auto outline = d.OptionalColour(s, "outline"))
        c.Fill(Ring(outer, 1), *outline);
    if (d.Word(s, "bevel", {"none", "raised"}, "none") == "raised") {
        const auto line = [&](Rect r, const char* colour) {
            c.Fill(Box(r), d.ColourOf("colours", colour));
        };
        line({0, 0, w - 1, 1}, "Buttonlight");
        line({0, 0, 1, h - 1}, "Buttonlight");
        line({1, 1, w - 2, 2}, "ButtonHilight");
        line({1, 1, 2, h - 2}, "ButtonHilight");
        line({0, h - 1, w, h}, "ButtonDkShadow");
        line({w - 1, 0, w, h}, "ButtonDkShadow");
        line({1, h - 2, w - 1, h - 1}, "ButtonShadow");
        line({w - 2, 1, w - 1, h - 1}, "ButtonShadow");
    }
    return c;
}

Shape Sign(const std::string& kind, Rect box, float weight) {
    if (kind == "close")
        return CloseSign(box, weight);
    if (kind == "max")
        return MaximiseSign(box, weight);
    if (kind == "restore")
        return RestoreSign(box, weight);
    return MinimiseSign(box, weight);
}

std::string FaceBase(const Description& d, const std::string& kind) {
    if (d.HasSection("cap" + kind))
        return "cap" + kind;
    if (kind == "restore" && d.HasSection("capmax"))
        return "capmax";
    return "capbutton";
}

// Normal, pressed and hot over the active caption, then the inactive look.
pixels::Bitmap PaintCaptionButton(const Description& d, const CaptionButton& b,
                                  const Canvas& active, const Canvas& inactive) {
    const std::vector<int> sign = d.Ints("captionbuttons", "sign", 2);
    const float size = std::round(b.h * sign[0] / 100.0f);
    const float weight = std::max(1.0f, std::round(size * sign[1] / 100.0f));
    const float sx = std::floor((b.w - size) / 2), sy = std::floor((b.h - size) / 2);
    const Rect signBox{sx, sy, sx + size, sy + size};
    const std::string base = FaceBase(d, b.kind);
    std::vector<pixels::Bitmap> slices;
    for (const char* state : {"", ".pressed", ".hot", ".inactive"}) {
        Canvas c = (std::string(state) == ".inactive" ? inactive : active).Crop(b.x, b.y, b.w, b.h);
        const std::string face = base + state;
        PaintFace(c, {0, 0, float(b.w), float(b.h)}, d, face);
        const float press = std::string(state) == ".pressed" ? 1 : 0;
        const Shape mark = Offset(Sign(b.kind, signBox, weight), press, press);
        if (const auto shadow = d.OptionalTint(face, "glyph.shadow")) {
            c.Fill(Offset(mark, 1, 1), shadow->colour, shadow->alpha);
        }
        if (const auto glyph = GlyphColour(d, face))
            c.Fill(mark, *glyph);
        slices.push_back(c.ToBitmap());
    }
    return Strip(slices);
}

void WriteBorder(IniText& ini, const std::string& name, const std::string& file, int topHeight,
                 int botHeight, bool stretch, bool trans) {
    ini.Key(name, file);
    ini.Key(name + "TopHeight", topHeight);
    ini.Key(name + "BotHeight", botHeight);
    ini.Key(name + "Frame", 2);
    ini.Key(name + "Stretch", stretch ? 1 : 0);
    ini.Key(name + "Trans", trans ? 1 : 0);
}

}  // namespace

void PaintFrame(const Description& d, SkinFiles& out) {
    const Geometry g = Measure(d);
    const Canvas active = PaintModel(d, g, "active");
    const Canvas inactive = PaintModel(d, g, "inactive");
    const auto both = [&](int x, int y, int w, int h) {
        return std::vector{active.Crop(x, y, w, h).ToBitmap(),
                           inactive.Crop(x, y, w, h).ToBitmap()};
    };
    const int inside = g.width - 2 * g.border;
    const std::string left = out.Add("left.bmp", Strip(both(0, 0, g.border, g.height)));
    const std::string right =
        out.Add("right.bmp", Strip(both(g.width - g.border, 0, g.border, g.height)));
    const std::string top = out.Add("top.bmp", Stack(both(g.border, 0, inside, g.caption)));
    const std::string bottom =
        out.Add("bottom.bmp", Stack(both(g.border, g.height - g.bottom, inside, g.bottom)));

    const bool roundTop = g.radius > 0, roundBottom = g.bottomRadius > 0;
    const int sideBottom = g.bottom + g.bottomRadius;
    IniText& ini = out.ini;
    ini.Section("Personality");
    WriteBorder(ini, "Left", left, g.caption, sideBottom, false, roundTop || roundBottom);
    WriteBorder(ini, "Right", right, g.caption, sideBottom, false, roundTop || roundBottom);
    WriteBorder(ini, "Top", top, g.topLeft, g.topRight, g.stretch, roundTop);
    WriteBorder(ini, "Bottom", bottom, g.bottomEnds, g.bottomEnds, true, roundBottom);

    // Caption text: after the icon or the buttons on the left, clipped
    // before the buttons on the right; with the buttons on the left, kept as
    // far from the right edge as from the left, so centred text stands in
    // the middle of the window.
    const int textLeft = d.Int("caption", "left");
    int rightReach = g.border + 4;
    for (const CaptionButton& b : g.buttons) {
        if (g.rightAligned)
            rightReach = std::max(rightReach, g.width - b.x + 4);
    }
    const std::string align = d.Word("caption", "align", {"left", "right", "centre"}, "left");
    ini.Key("TextShift", textLeft);
    ini.Key("TextShiftVert", d.Int("caption", "top"));
    ini.Key("TextRightClip", g.rightAligned ? rightReach : std::max(rightReach, textLeft));
    ini.Key("TextAlignment", align == "left" ? 0 : align == "right" ? 1 : 2);
    const Colour activeText = d.ColourOf("colours", "TitleTextActive");
    const Colour inactiveText = d.ColourOf("colours", "TitleTextNoActive");
    ini.Key("ActiveTextR", std::lround(activeText.r));
    ini.Key("ActiveTextG", std::lround(activeText.g));
    ini.Key("ActiveTextB", std::lround(activeText.b));
    ini.Key("InActiveTextR", std::lround(inactiveText.r));
    ini.Key("InActiveTextG", std::lround(inactiveText.g));
    ini.Key("InActiveTextB", std::lround(inactiveText.b));
    ini.Section("Fonts");
    ini.Key("FontHeight", d.Int("caption", "font"));

    // Actions: 0 close, 1 maximise or restore, 2 minimise, 3 the window icon.
    // Visibility 1 shows a button only on a maximised window, 2 only on one
    // that is not.
    struct Meaning {
        const char* section;
        int action, visibility;
    };
    const auto meaning = [](const std::string& kind) {
        if (kind == "close")
            return Meaning{"ButtonClose", 0, 0};
        if (kind == "max")
            return Meaning{"ButtonMax", 1, 2};
        if (kind == "restore")
            return Meaning{"ButtonRestore", 1, 1};
        return Meaning{"ButtonMin", 2, 0};
    };
    for (const CaptionButton& b : g.buttons) {
        const Meaning m = meaning(b.kind);
        const std::string image =
            out.Add(b.kind + ".bmp", PaintCaptionButton(d, b, active, inactive));
        ini.Section(m.section);
        ini.Key("Action", m.action);
        ini.Key("Align", g.rightAligned ? 1 : 0);
        ini.Key("Xcoord", g.rightAligned ? g.width - b.x : b.x);
        ini.Key("Ycoord", b.y);
        ini.Key("Visibility", m.visibility);
        ini.Key("frame", 4);
        ini.Key("ButtonImage", image);
    }
    if (g.icon) {
        // No picture: the frame draws the window's own icon there.
        ini.Section("ButtonIcon");
        ini.Key("Action", 3);
        ini.Key("Align", 0);
        ini.Key("Xcoord", g.icon->first);
        ini.Key("Ycoord", g.icon->second);
        ini.Key("Visibility", 0);
        ini.Key("frame", 1);
    }
}

}  // namespace paint
