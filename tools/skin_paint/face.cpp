#include "face.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace paint {
namespace {

Shape Outline(std::string_view kind, Rect box, float radius) {
    if (kind == "circle")
        return Ellipse(box);
    if (kind == "pill")
        return Box(box, std::min(box.Width(), box.Height()) / 2);
    if (kind == "round")
        return Box(box, radius);
    return Box(box);
}

std::string Kind(const Description& d, std::string_view section) {
    return d.Word(section, "shape", {"rect", "round", "circle", "pill"}, "rect");
}

Rect Inset(Rect r, const Description& d, std::string_view section) {
    return r.Inset(static_cast<float>(d.Int(section, "inset", 0)));
}

void Line(Canvas& c, Rect r, Colour colour) {
    c.Fill(Box(r), colour);
}

// Light on the top and left edges, shade on the bottom and right.
void Edge(Canvas& c, Rect r, Colour topLeft, Colour bottomRight) {
    Line(c, {r.x0, r.y0, r.x1 - 1, r.y0 + 1}, topLeft);
    Line(c, {r.x0, r.y0, r.x0 + 1, r.y1 - 1}, topLeft);
    Line(c, {r.x0, r.y1 - 1, r.x1, r.y1}, bottomRight);
    Line(c, {r.x1 - 1, r.y0, r.x1, r.y1}, bottomRight);
}

void Bevel(Canvas& c, Rect r, const Description& d, std::string_view kind) {
    const Colour hilight = d.ColourOf("colours", "ButtonHilight");
    const Colour light = d.ColourOf("colours", "Buttonlight");
    const Colour shadow = d.ColourOf("colours", "ButtonShadow");
    const Colour dark = d.ColourOf("colours", "ButtonDkShadow");
    const Rect inner = r.Inset(1);
    if (kind == "raised") {
        Edge(c, r, light, dark);
        Edge(c, inner, hilight, shadow);
    } else if (kind == "sunken") {
        Edge(c, r, shadow, hilight);
        Edge(c, inner, dark, light);
    } else if (kind == "pressed") {
        Edge(c, r, dark, dark);
        Edge(c, inner, shadow, shadow);
    } else if (kind == "thin-raised") {
        Edge(c, r, hilight, shadow);
    } else if (kind == "thin-sunken") {
        Edge(c, r, shadow, hilight);
    }
}

uint32_t Mix32(uint32_t h) {
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

// A number from 0 to 1 that depends only on its arguments, so a skin
// paints the same every time.
float Noise(int a, int b) {
    const uint32_t h =
        Mix32(static_cast<uint32_t>(a) * 0x9E3779B9u ^ Mix32(static_cast<uint32_t>(b)));
    return (h >> 8) / 16777216.0f;
}

}  // namespace

void Brush(Canvas& canvas, const Shape& shape, float grain) {
    canvas.Modify(shape, [grain](Colour c, int x, int y) {
        // Each row keeps its own brightness, varying slowly along it, so the
        // grain runs in long streaks, and rows repeat without a seam.
        const float along = x / 37.0f;
        const int cell = static_cast<int>(std::floor(along));
        const float t = along - cell;
        const float ease = t * t * (3 - 2 * t);
        const float smooth = Noise(y, cell) * (1 - ease) + Noise(y, cell + 1) * ease;
        const float n = 0.7f * (Noise(y, -1) * 2 - 1) + 0.3f * (smooth * 2 - 1);
        return c * (1 + grain * n);
    });
}

void Snow(Canvas& canvas, const Shape& shape, float density, int cell) {
    for (int cy = 0; cy * cell < canvas.Height(); ++cy) {
        for (int cx = 0; cx * cell < canvas.Width(); ++cx) {
            if (Noise(cx * 31 + 7, cy) >= density)
                continue;
            const float radius = 0.7f + Noise(cx, cy * 17 + 3) * 0.9f;
            // Kept clear of the cell's sides, so no flake is cut in two.
            const float room = cell - 2 * (radius + 0.5f);
            const float x = cx * cell + radius + 0.5f + Noise(cx, cy * 5 + 1) * room;
            const float y = cy * cell + radius + 0.5f + Noise(cx * 3 + 2, cy) * room;
            canvas.Fill(Intersect(shape, Ellipse({x - radius, y - radius, x + radius, y + radius})),
                        kWhite, 0.55f + 0.4f * Noise(cx + 11, cy + 13));
        }
    }
}

Shape FaceOutline(Rect r, const Description& d, std::string_view section) {
    return Outline(Kind(d, section), Inset(r, d, section),
                   static_cast<float>(d.Int(section, "radius", 0)));
}

std::optional<Colour> GlyphColour(const Description& d, std::string_view section) {
    return d.OptionalColour(section, "glyph");
}

namespace {

void Surface(Canvas& c, const Shape& outline, Rect box, const Description& d,
             std::string_view section) {
    if (const auto fill = d.OptionalGradient(section, "fill")) {
        const bool down = d.Word(section, "direction", {"down", "across"}, "down") == "down";
        c.Draw(outline, down ? Vertical(*fill, box.y0, box.y1) : Horizontal(*fill, box.x0, box.x1));
    }
    const std::string texture = d.Word(section, "texture", {"none", "brushed", "snow"}, "none");
    if (texture != "none") {
        const float grain = d.Int(section, "grain") / 100.0f;
        if (texture == "brushed")
            Brush(c, outline, grain);
        if (texture == "snow")
            Snow(c, outline, grain);
    }
    if (const auto stripes = d.OptionalTint(section, "stripes")) {
        const float w = static_cast<float>(d.Int(section, "stripe", 4));
        const Shape bands = [w](float x, float y) {
            const float t = std::fmod(x + y + 1000 * w, 2 * w);
            return (std::abs(t - w) - w / 2) * 0.7071f;
        };
        c.Fill(Intersect(outline, bands), stripes->colour, stripes->alpha);
    }
    if (const auto glow = d.OptionalTint(section, "glow")) {
        const float cx = (box.x0 + box.x1) / 2;
        c.Modify(outline, [&](Colour col, int x, int y) {
            const float dist = std::hypot((x + 0.5f - cx) / (box.Width() * 0.6f),
                                          (y + 0.5f - box.y1) / (box.Height() * 0.9f));
            const float k = std::max(0.0f, 1 - dist);
            return Mix(col, glow->colour, glow->alpha * k * k * (3 - 2 * k));
        });
    }
    if (const int gloss = d.Int(section, "gloss", 0); gloss > 0) {
        const float height = box.Height() * d.Int(section, "gloss.height", 50) / 100.0f;
        const float top = box.y0;
        c.Modify(Intersect(outline, Box({box.x0, top, box.x1, top + height})),
                 [&](Colour col, int, int y) {
                     const float t = std::clamp((y + 0.5f - top) / height, 0.0f, 1.0f);
                     return Mix(col, kWhite, gloss / 100.0f * (1 - 0.6f * t));
                 });
    }
    const auto border = d.OptionalColour(section, "border");
    if (const auto inner = d.OptionalTint(section, "inner")) {
        const float in = border ? 1.0f : 0.0f;
        const Shape inset = [outline, in](float x, float y) { return outline(x, y) + in; };
        c.Fill(Ring(inset, 1), inner->colour, inner->alpha);
    }
    if (border)
        c.Fill(Ring(outline, 1), *border);
}

}  // namespace

void PaintFace(Canvas& c, const Shape& outline, Rect r, const Description& d,
               std::string_view section) {
    Surface(c, outline, r, d, section);
}

void PaintFace(Canvas& c, Rect r, const Description& d, std::string_view section) {
    const Rect box = Inset(r, d, section);
    Surface(c, FaceOutline(r, d, section), box, d, section);
    const std::string bevel =
        d.Word(section, "bevel",
               {"none", "raised", "sunken", "pressed", "thin-raised", "thin-sunken"}, "none");
    if (bevel != "none")
        Bevel(c, box.Inset(d.OptionalColour(section, "border") ? 1 : 0), d, bevel);
}

}  // namespace paint
