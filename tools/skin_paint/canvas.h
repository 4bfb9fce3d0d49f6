// A picture being painted: premultiplied colour with coverage per pixel, so
// shapes can be laid one over the other with soft edges before the picture
// is reduced to the skins' 24 bits and magenta.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "colour.h"
#include "pixels/bitmap.h"

namespace paint {

// Signed distance in pixels from a point to a shape's outline, negative
// inside: the edge's coverage of a pixel follows from it directly.
using Shape = std::function<float(float x, float y)>;
// The colour a paint gives a point.
using Paint = std::function<Colour(float x, float y)>;

struct Rect {
    float x0, y0, x1, y1;
    float Width() const { return x1 - x0; }
    float Height() const { return y1 - y0; }
    Rect Inset(float d) const { return {x0 + d, y0 + d, x1 - d, y1 - d}; }
};

class Canvas {
  public:
    Canvas(int width, int height);
    // The pixels of a bitmap, opaque (magenta ones transparent).
    explicit Canvas(const pixels::Bitmap& bitmap);

    int Width() const { return width_; }
    int Height() const { return height_; }

    // `paint` laid over the canvas where `shape` covers it, with `opacity`.
    void Draw(const Shape& shape, const Paint& paint, float opacity = 1);
    void Fill(const Shape& shape, Colour colour, float opacity = 1);
    // Changes the colour of the covered pixels, keeping their coverage.
    void Modify(const Shape& shape, const std::function<Colour(Colour, int x, int y)>& change);
    // The other canvas placed with its top-left corner at (x, y).
    void Place(const Canvas& other, int x, int y);
    Canvas Crop(int x, int y, int width, int height) const;
    // Mirrored along the diagonal: rows become columns, so a piece painted
    // lying down serves standing up, its top light falling from the left.
    Canvas Transposed() const;

    // Pixels that are less than half covered become magenta; the others keep
    // their colour, or, given a matte, are blended into it by their coverage
    // (the colour the picture will mostly stand on, so its edges stay soft).
    // No painted pixel comes out as magenta by accident.
    pixels::Bitmap ToBitmap(std::optional<Colour> matte = std::nullopt) const;

  private:
    struct Pixel {
        Colour colour;  // premultiplied by the coverage
        float cover = 0;
    };
    Pixel& At(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    const Pixel& At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

    int width_, height_;
    std::vector<Pixel> pixels_;
};

// Shapes.
Shape Box(Rect r, float radius = 0);
Shape Ellipse(Rect r);
// A stroke from a to b, `width` wide, with round ends.
Shape Stroke(float ax, float ay, float bx, float by, float width);
// A convex polygon, its corners in either turning order.
Shape Polygon(std::vector<std::pair<float, float>> corners);
Shape Union(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
Shape Subtract(Shape a, Shape b);
// The band `width` wide just inside the shape's outline.
Shape Ring(Shape s, float width);
// The shape moved by (dx, dy).
Shape Offset(Shape s, float dx, float dy);

// Paints.
Paint Solid(Colour c);
// The gradient from top to bottom (or left to right) of the span.
Paint Vertical(Gradient g, float y0, float y1);
Paint Horizontal(Gradient g, float x0, float x1);

}  // namespace paint
