// A face: the painted surface of a button, box, bar or band, described by
// one section of the description. Its keys (all optional):
//   shape = rect | round | circle | pill, radius = N, inset = N
//   fill = gradient, direction = down | across
//   texture = brushed | snow, grain = percent
//   stripes = "#rrggbb percent", stripe = width
//   glow = "#rrggbb percent" (light rising from the bottom edge)
//   gloss = percent, gloss.height = percent (a sheen over the top)
//   bevel = raised | sunken | pressed | thin-raised | thin-sunken
//   inner = "#rrggbb percent" (a line just inside the border)
//   border = colour
//   glyph = colour (the sign drawn on the face; "none" for none)
#pragma once

#include <optional>
#include <string_view>

#include "canvas.h"
#include "description.h"

namespace paint {

void PaintFace(Canvas& canvas, Rect r, const Description& d, std::string_view section);
// The same within an outline of the caller's (the face's shape and bevel
// keys do not apply); r spans the gradients.
void PaintFace(Canvas& canvas, const Shape& outline, Rect r, const Description& d,
               std::string_view section);
// The outline of the face in r, for what is drawn on it.
Shape FaceOutline(Rect r, const Description& d, std::string_view section);
std::optional<Colour> GlyphColour(const Description& d, std::string_view section);

// Texture for any shape, with the same meaning as in a face; used by the
// window frame too. Snow flakes stand in cells of `cell` pixels from the
// canvas's left edge, so a strip whose width is a multiple of it tiles.
void Brush(Canvas& canvas, const Shape& shape, float grain);
void Snow(Canvas& canvas, const Shape& shape, float density, int cell = 16);

}  // namespace paint
