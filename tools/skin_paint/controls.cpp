#include "controls.h"

#include <algorithm>
#include <functional>
#include <string>

#include "face.h"
#include "glyphs.h"

namespace paint {
namespace {

// The state suffixes in slice order.
const std::vector<std::string> kLooks4 = {"", ".pressed", ".disabled", ".hot"};
const std::vector<std::string> kLooks5 = {"", ".pressed", ".disabled", ".hot", ".focused"};
const std::vector<std::string> kThumbLooks = {"", ".pressed", ".hot"};

struct Margins {
    int left, top, right, bottom;
};

bool HasMagenta(const pixels::Bitmap& b) {
    for (int y = 0; y < b.Height(); ++y) {
        for (int x = 0; x < b.Width(); ++x) {
            if (b.At(x, y) == pixels::kMagenta)
                return true;
        }
    }
    return false;
}

Rect Whole(const Canvas& c) {
    return {0, 0, float(c.Width()), float(c.Height())};
}

// One slice per state, painted by `paint` and reduced over the matte.
pixels::Bitmap Slices(const std::vector<std::string>& looks, int w, int h,
                      const std::function<void(Canvas&, const std::string&)>& paint,
                      std::optional<Colour> matte) {
    std::vector<pixels::Bitmap> slices;
    for (const std::string& look : looks) {
        Canvas c(w, h);
        paint(c, look);
        slices.push_back(c.ToBitmap(matte));
    }
    return Strip(slices);
}

// The same slices painted lying down, `w` long, and stood up.
pixels::Bitmap StandingSlices(const std::vector<std::string>& looks, int w, int h,
                              const std::function<void(Canvas&, const std::string&)>& paint,
                              std::optional<Colour> matte) {
    std::vector<pixels::Bitmap> slices;
    for (const std::string& look : looks) {
        Canvas c(w, h);
        paint(c, look);
        slices.push_back(c.Transposed().ToBitmap(matte));
    }
    return Strip(slices);
}

enum class Transparency { WhereMagenta, Always };

// An object section with an image, its margins and its drawing switches:
// transparent when the picture has magenta in it, unless asked always.
void Object(IniText& ini, const std::string& section, const std::string& image, Margins m,
            const pixels::Bitmap& picture, Transparency trans = Transparency::WhereMagenta) {
    ini.Section(section);
    ini.Key("Image", image);
    ini.Key("LeftWidth", m.left);
    ini.Key("TopHeight", m.top);
    ini.Key("RightWidth", m.right);
    ini.Key("BottomHeight", m.bottom);
    ini.Key("Trans", trans == Transparency::Always || HasMagenta(picture) ? 1 : 0);
    ini.Key("Tile", 0);
}

void Glyph(Canvas& c, const Shape& shape, const Description& d, const std::string& face) {
    if (const auto colour = GlyphColour(d, face))
        c.Fill(shape, *colour);
}

// Margins that hold a face's rounded corners whole.
int CornerMargin(const Description& d, const std::string& face, int least, int height) {
    const std::string shape = d.Word(face, "shape", {"rect", "round", "circle", "pill"}, "rect");
    const int radius = shape == "pill"    ? height / 2
                       : shape == "round" ? d.Int(face, "radius", 0)
                                          : 0;
    return std::max(least, radius + 1 + d.Int(face, "inset", 0));
}

Colour FaceColour(const Description& d, const std::string& face) {
    return d.GradientOf(face, "fill").At(0.5f);
}

void PaintButtons(const Description& d, SkinFiles& out, Colour matte) {
    const pixels::Bitmap buttons = Slices(
        kLooks5, 24, 24,
        [&](Canvas& c, const std::string& look) { PaintFace(c, Whole(c), d, "button" + look); },
        matte);
    const auto box = [&](const std::string& kind, bool round) {
        std::vector<pixels::Bitmap> slices;
        for (bool checked : {false, true}) {
            for (const std::string& look : kLooks4) {
                Canvas c(13, 13);
                const std::string face = kind + look;
                PaintFace(c, Whole(c), d, face);
                if (checked) {
                    Glyph(c, round ? Dot({4, 4, 9, 9}) : CheckMark({3, 3, 10, 10}, 1.7f), d, face);
                }
                slices.push_back(c.ToBitmap(matte));
            }
        }
        return Strip(slices);
    };
    const std::string image = out.Add("buttons.bmp", buttons);
    const std::string check = out.Add("check.bmp", box("check", false));
    const std::string radio = out.Add("radio.bmp", box("radio", true));

    const int margin = CornerMargin(d, "button", 4, 24);
    IniText& ini = out.ini;
    ini.Section("Buttons");
    ini.Key("Bitmap", image);
    ini.Key("LeftWidth", margin);
    ini.Key("RightWidth", margin);
    ini.Key("TopHeight", margin);
    ini.Key("BottomHeight", margin);
    ini.Key("Trans", HasMagenta(buttons) ? 1 : 0);
    ini.Key("Tile", 0);
    ini.Key("CheckButton", check);
    ini.Key("RadioButton", radio);
    ini.Key("CheckButtonFrame", 8);
    ini.Key("RadioButtonFrame", 8);
    ini.Key("NormalColour2", d.ColourOf("button", "text"));
    ini.Key("MouseOverColour2", d.ColourOf("button.hot", "text"));
    ini.Key("PressedColour2", d.ColourOf("button.pressed", "text"));
}

// The combo box: its sunken field, its drop-down button (with the field's
// edge on its top, right and bottom, as it covers the field's right end),
// and the arrow and size-grip glyphs.
void PaintCombo(const Description& d, SkinFiles& out, Colour matte) {
    const pixels::Bitmap field = Slices(
        kLooks4, 20, 21,
        [&](Canvas& c, const std::string& look) { PaintFace(c, Whole(c), d, "field" + look); },
        matte);
    const pixels::Bitmap button = Slices(
        kLooks4, 19, 21,
        [&](Canvas& c, const std::string& look) {
            Canvas wide(29, 21);
            PaintFace(wide, Whole(wide), d, "field" + look);
            c.Place(wide.Crop(10, 0, 19, 21), 0, 0);
            PaintFace(c, Whole(c), d, "combo" + look);
        },
        matte);
    std::vector<pixels::Bitmap> extra;
    for (const std::string& look : kLooks4) {
        Canvas c(13, 13);
        Glyph(c, Arrow({2, 4, 11, 9}, Direction::Down), d, "combo" + look);
        extra.push_back(c.ToBitmap(FaceColour(d, "combo" + look)));
    }
    Canvas grip(13, 13);
    Glyph(grip, SizeGrip(Whole(grip)), d, "status");
    extra.push_back(grip.ToBitmap(matte));
    const pixels::Bitmap extras = Strip(extra);

    // Drawn transparent: the loader composes the two into one picture whose
    // inside is magenta, where the edit field shows through.
    Object(out.ini, "ComboButton", out.Add("combo.bmp", button), {3, 3, 3, 3}, button,
           Transparency::Always);
    Object(out.ini, "SunkEdge", out.Add("sunkedge.bmp", field), {2, 2, 2, 2}, field,
           Transparency::Always);
    Object(out.ini, "ExtraImages", out.Add("extra.bmp", extras), {0, 0, 0, 0}, extras);
}

// The scroll bar: 23 slices of the arrows in four looks each (left, right,
// up, down), the thumb's grip in three (horizontal, vertical) and the corner
// between two bars; the tracks and thumbs in pictures of their own.
void PaintScrollBar(const Description& d, SkinFiles& out, Colour matte) {
    constexpr int t = 17;
    std::vector<pixels::Bitmap> slices;
    for (Direction dir : {Direction::Left, Direction::Right, Direction::Up, Direction::Down}) {
        const bool standing = dir == Direction::Up || dir == Direction::Down;
        for (const std::string& look : kLooks4) {
            const std::string face = "scroll.arrow" + look;
            Canvas lying(t, t);
            PaintFace(lying, Whole(lying), d, face);
            Canvas c = standing ? lying.Transposed() : lying;
            const float press = look == ".pressed" ? 1 : 0;
            Glyph(c, Offset(Arrow({4.5f, 4.5f, 12.5f, 12.5f}, dir), press, press), d, face);
            slices.push_back(c.ToBitmap(matte));
        }
    }
    for (bool across : {false, true}) {
        for (const std::string& look : kThumbLooks) {
            Canvas c(t, t);
            Glyph(c, Ridges({4, 4, 13, 13}, across), d, "scroll.thumb" + look);
            slices.push_back(c.ToBitmap(FaceColour(d, "scroll.thumb" + look)));
        }
    }
    Canvas corner(t, t);
    PaintFace(corner, Whole(corner), d, "scroll.track");
    slices.push_back(corner.ToBitmap(matte));
    const pixels::Bitmap arrows = Strip(slices);

    const auto track = [&](Canvas& c, const std::string& look) {
        PaintFace(c, Whole(c), d, "scroll.track" + look);
    };
    const auto thumb = [&](Canvas& c, const std::string& look) {
        PaintFace(c, Whole(c), d, "scroll.thumb" + look);
    };
    const pixels::Bitmap hTrack = Slices(kLooks4, 24, t, track, matte);
    const pixels::Bitmap vTrack = StandingSlices(kLooks4, 24, t, track, matte);
    const pixels::Bitmap hThumb = Slices(kThumbLooks, 24, t, thumb, matte);
    const pixels::Bitmap vThumb = StandingSlices(kThumbLooks, 24, t, thumb, matte);

    IniText& ini = out.ini;
    Object(ini, "Scrollbar", out.Add("scrollbar.bmp", arrows), {0, 0, 0, 0}, arrows);
    Object(ini, "HorzScroll", out.Add("hscroll.bmp", hTrack), {3, 3, 3, 3}, hTrack);
    Object(ini, "VertScroll", out.Add("vscroll.bmp", vTrack), {3, 3, 3, 3}, vTrack);
    const int ends = CornerMargin(d, "scroll.thumb", 5, t);
    Object(ini, "HorzScrollThumb", out.Add("hthumb.bmp", hThumb), {ends, 3, ends, 3}, hThumb);
    ini.Key("FrameCount", 3);
    Object(ini, "VertScrollThumb", out.Add("vthumb.bmp", vThumb), {3, ends, 3, ends}, vThumb);
    ini.Key("FrameCount", 3);
}

// Menus: the pop-up's background with its 3-pixel border, the items (normal
// is clear, so the background shows; the second slice carries the separator
// line in its bottom rows; the fourth is the selected item) and the bar.
void PaintMenus(const Description& d, SkinFiles& out) {
    const Colour menu = d.ColourOf("colours", "Menu");
    Canvas back(40, 40);
    PaintFace(back, Whole(back), d, "menu");
    const pixels::Bitmap background = back.ToBitmap();

    std::vector<pixels::Bitmap> items;
    for (int slice = 1; slice <= 5; ++slice) {
        Canvas c(30, 20);
        if (slice == 2) {
            c.Fill(Box({3, 15, 27, 16}), d.ColourOf("menu", "separator"));
            if (const auto light = d.OptionalColour("menu", "separator.light")) {
                c.Fill(Box({3, 16, 27, 17}), *light);
            }
        } else if (slice >= 4) {
            PaintFace(c, Whole(c), d, slice == 4 ? "menu.item" : "menu.item.disabled");
        }
        items.push_back(c.ToBitmap(menu));
    }
    const pixels::Bitmap item = Strip(items);
    const pixels::Bitmap bar = Slices(
        {"", ".inactive"}, 40, 20,
        [&](Canvas& c, const std::string& look) { PaintFace(c, Whole(c), d, "menubar" + look); },
        std::nullopt);

    IniText& ini = out.ini;
    Object(ini, "MenuItem", out.Add("menuitem.bmp", item), {3, 3, 3, 3}, item);
    Object(ini, "MenuBackground", out.Add("menuback.bmp", background), {3, 3, 3, 3}, background);
    ini.Section("Personality");
    ini.Key("menuBar", out.Add("menubar.bmp", bar));
    ini.Key("TileMenu", 0);
    ini.Key("TileLeftMenu", 2);
    ini.Key("TileRightMenu", 2);
}

void PaintStatusBar(const Description& d, SkinFiles& out, Colour matte) {
    const pixels::Bitmap edges = Slices(
        {".lowered", ".raised", ".flat"}, 12, 12,
        [&](Canvas& c, const std::string& look) { PaintFace(c, Whole(c), d, "status" + look); },
        matte);
    Object(out.ini, "StatusBarEdges", out.Add("status.bmp", edges), {2, 2, 2, 2}, edges);
    out.ini.Key("NormalColour2", d.ColourOf("status", "text"));
}

void PaintTabs(const Description& d, SkinFiles& out, Colour matte) {
    const pixels::Bitmap tabs = Slices(
        kLooks5, 30, 21,
        [&](Canvas& c, const std::string& look) { PaintFace(c, Whole(c), d, "tab" + look); },
        matte);
    Canvas paneCanvas(20, 20);
    PaintFace(paneCanvas, Whole(paneCanvas), d, "tab.pane");
    const pixels::Bitmap pane = paneCanvas.ToBitmap(matte);
    // The pane's top edge, where the tab row stands on it.
    const pixels::Bitmap border = paneCanvas.Crop(4, 0, 12, 2).ToBitmap(matte);

    Object(out.ini, "Tabs", out.Add("tabs.bmp", tabs), {4, 4, 4, 2}, tabs);
    out.ini.Key("Border", out.Add("tabborder.bmp", border));
    Object(out.ini, "Tab.Pane", out.Add("tabpane.bmp", pane), {4, 4, 4, 4}, pane);
}

// Progress: the trough lying and standing (Style 0 gives it two frames), and
// the chunk that fills it, likewise.
void PaintProgress(const Description& d, SkinFiles& out, Colour matte) {
    Canvas trough(20, 20), chunk(12, 12);
    PaintFace(trough, Whole(trough), d, "progress");
    PaintFace(chunk, Whole(chunk), d, "progress.chunk");
    const pixels::Bitmap bar = Strip({trough.ToBitmap(matte), trough.Transposed().ToBitmap(matte)});
    const pixels::Bitmap chunks =
        Strip({chunk.ToBitmap(matte), chunk.Transposed().ToBitmap(matte)});

    IniText& ini = out.ini;
    ini.Section("Progress");
    ini.Key("Bitmap", out.Add("progress.bmp", bar));
    ini.Key("Style", 0);
    ini.Key("LeftWidth", 3);
    ini.Key("TopHeight", 3);
    ini.Key("RightWidth", 3);
    ini.Key("BottomHeight", 3);
    ini.Key("Trans", HasMagenta(bar) ? 1 : 0);
    ini.Key("Tile", 0);
    Object(ini, "Progress.Chunk", out.Add("chunk.bmp", chunks), {2, 2, 2, 2}, chunks);
    ini.Key("Frame", 2);
}

// Track bar thumbs: plain for a bar without ticks, pointed towards the
// ticks otherwise; lying for horizontal bars, standing for vertical ones.
void PaintTrackThumbs(const Description& d, SkinFiles& out, Colour matte) {
    struct Thumb {
        const char* section;
        const char* file;
        int w, h;
        std::optional<Direction> point;
    };
    const Thumb thumbs[] = {
        {"Trackbar.ThumbHorz", "thumbh.bmp", 11, 21, std::nullopt},
        {"Trackbar.ThumbVert", "thumbv.bmp", 21, 11, std::nullopt},
        {"Trackbar.ThumbUp", "thumbu.bmp", 11, 21, Direction::Up},
        {"Trackbar.ThumbDown", "thumbd.bmp", 11, 21, Direction::Down},
        {"Trackbar.ThumbLeft", "thumbl.bmp", 21, 11, Direction::Left},
        {"Trackbar.ThumbRight", "thumbr.bmp", 21, 11, Direction::Right},
    };
    for (const Thumb& t : thumbs) {
        const float w = float(t.w), h = float(t.h), k = 5;  // k: the point's depth
        std::optional<Shape> outline;
        if (t.point == Direction::Down)
            outline = Polygon({{0.5f, 0.5f},
                               {w - 0.5f, 0.5f},
                               {w - 0.5f, h - k},
                               {w / 2, h - 0.5f},
                               {0.5f, h - k}});
        if (t.point == Direction::Up)
            outline = Polygon(
                {{w / 2, 0.5f}, {w - 0.5f, k}, {w - 0.5f, h - 0.5f}, {0.5f, h - 0.5f}, {0.5f, k}});
        if (t.point == Direction::Right)
            outline = Polygon({{0.5f, 0.5f},
                               {w - k, 0.5f},
                               {w - 0.5f, h / 2},
                               {w - k, h - 0.5f},
                               {0.5f, h - 0.5f}});
        if (t.point == Direction::Left)
            outline = Polygon(
                {{k, 0.5f}, {w - 0.5f, 0.5f}, {w - 0.5f, h - 0.5f}, {k, h - 0.5f}, {0.5f, h / 2}});
        const pixels::Bitmap picture = Slices(
            kLooks5, t.w, t.h,
            [&](Canvas& c, const std::string& look) {
                if (outline) {
                    PaintFace(c, *outline, Whole(c), d, "thumb" + look);
                } else {
                    PaintFace(c, Whole(c), d, "thumb" + look);
                }
            },
            matte);
        Object(out.ini, t.section, out.Add(t.file, picture), {0, 0, 0, 0}, picture);
    }
}

// Up-down buttons: the first button in four looks, then the second; the
// glyph picture holds their arrows in the same places.
void PaintUpDown(const Description& d, SkinFiles& out, Colour matte) {
    const auto pair = [&](bool vertical, bool glyphs) {
        const int w = vertical ? 17 : 12, h = vertical ? 11 : 16;
        const Direction first = vertical ? Direction::Up : Direction::Left;
        const Direction second = vertical ? Direction::Down : Direction::Right;
        std::vector<pixels::Bitmap> slices;
        for (Direction dir : {first, second}) {
            for (const std::string& look : kLooks4) {
                Canvas c(w, h);
                const std::string face = "spin" + look;
                if (glyphs) {
                    Glyph(c, Arrow(Whole(c).Inset(3.5f), dir), d, face);
                    slices.push_back(c.ToBitmap(FaceColour(d, face)));
                } else {
                    PaintFace(c, Whole(c), d, face);
                    slices.push_back(c.ToBitmap(matte));
                }
            }
        }
        return Strip(slices);
    };
    for (bool vertical : {false, true}) {
        const pixels::Bitmap faces = pair(vertical, false);
        const std::string name = vertical ? "updownv" : "updownh";
        Object(out.ini, vertical ? "UpDown.Vert" : "UpDown.Horz", out.Add(name + ".bmp", faces),
               {2, 2, 2, 2}, faces);
        out.ini.Key("GlyphImage", out.Add(name + "g.bmp", pair(vertical, true)));
    }
}

void PaintHeader(const Description& d, SkinFiles& out, Colour matte) {
    const pixels::Bitmap header = Slices(
        kLooks5, 24, 20,
        [&](Canvas& c, const std::string& look) { PaintFace(c, Whole(c), d, "header" + look); },
        matte);
    Object(out.ini, "Headerbar", out.Add("header.bmp", header), {3, 3, 3, 3}, header);
    out.ini.Key("Frame", 5);
}

}  // namespace

void PaintControls(const Description& d, SkinFiles& out) {
    const Colour face = d.ColourOf("colours", "ButtonFace");
    PaintButtons(d, out, face);
    PaintCombo(d, out, face);
    PaintScrollBar(d, out, face);
    PaintMenus(d, out);
    PaintStatusBar(d, out, face);
    PaintTabs(d, out, face);
    PaintProgress(d, out, face);
    PaintTrackThumbs(d, out, face);
    PaintUpDown(d, out, face);
    PaintHeader(d, out, face);
}

}  // namespace paint
