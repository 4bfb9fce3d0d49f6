#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace paint {
namespace {

uint8_t Channel(float v) {
    return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

}  // namespace

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height) {}

Canvas::Canvas(const pixels::Bitmap& bitmap) : Canvas(bitmap.Width(), bitmap.Height()) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const pixels::Pixel p = bitmap.At(x, y);
            if (p == pixels::kMagenta)
                continue;
            At(x, y) = {{float(pixels::Red(p)), float(pixels::Green(p)), float(pixels::Blue(p))},
                        1};
        }
    }
}

void Canvas::Draw(const Shape& shape, const Paint& paint, float opacity) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const float cx = x + 0.5f, cy = y + 0.5f;
            const float cover = std::clamp(0.5f - shape(cx, cy), 0.0f, 1.0f) * opacity;
            if (cover <= 0)
                continue;
            Pixel& p = At(x, y);
            p.colour = paint(cx, cy) * cover + p.colour * (1 - cover);
            p.cover = cover + p.cover * (1 - cover);
        }
    }
}

void Canvas::Fill(const Shape& shape, Colour colour, float opacity) {
    Draw(shape, Solid(colour), opacity);
}

void Canvas::Modify(const Shape& shape, const std::function<Colour(Colour, int, int)>& change) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const float inside = std::clamp(0.5f - shape(x + 0.5f, y + 0.5f), 0.0f, 1.0f);
            Pixel& p = At(x, y);
            if (inside <= 0 || p.cover <= 0)
                continue;
            const Colour straight = p.colour * (1 / p.cover);
            p.colour = Mix(straight, change(straight, x, y), inside) * p.cover;
        }
    }
}

void Canvas::Place(const Canvas& other, int x0, int y0) {
    for (int y = 0; y < other.height_; ++y) {
        for (int x = 0; x < other.width_; ++x) {
            if (x0 + x < 0 || y0 + y < 0 || x0 + x >= width_ || y0 + y >= height_)
                continue;
            const Pixel& src = other.At(x, y);
            Pixel& dst = At(x0 + x, y0 + y);
            dst.colour = src.colour + dst.colour * (1 - src.cover);
            dst.cover = src.cover + dst.cover * (1 - src.cover);
        }
    }
}

Canvas Canvas::Crop(int x0, int y0, int width, int height) const {
    Canvas out(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (x0 + x >= 0 && y0 + y >= 0 && x0 + x < width_ && y0 + y < height_) {
                out.At(x, y) = At(x0 + x, y0 + y);
            }
        }
    }
    return out;
}

Canvas Canvas::Transposed() const {
    Canvas out(height_, width_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x)
            out.At(y, x) = At(x, y);
    }
    return out;
}

pixels::Bitmap Canvas::ToBitmap(std::optional<Colour> matte) const {
    pixels::Bitmap out(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Pixel& p = At(x, y);
            if (p.cover < 0.5f) {
                out.At(x, y) = pixels::kMagenta;
                continue;
            }
            const Colour c = matte ? p.colour + *matte * (1 - p.cover) : p.colour * (1 / p.cover);
            pixels::Pixel px = pixels::MakePixel(Channel(c.r), Channel(c.g), Channel(c.b));
            if (px == pixels::kMagenta)
                px = pixels::MakePixel(254, 0, 255);
            out.At(x, y) = px;
        }
    }
    return out;
}

Shape Box(Rect r, float radius) {
    const float cx = (r.x0 + r.x1) / 2, cy = (r.y0 + r.y1) / 2;
    const float hx = r.Width() / 2, hy = r.Height() / 2;
    radius = std::min({radius, hx, hy});
    return [=](float x, float y) {
        const float qx = std::abs(x - cx) - hx + radius;
        const float qy = std::abs(y - cy) - hy + radius;
        const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
        return outside + std::min(std::max(qx, qy), 0.0f) - radius;
    };
}

Shape Ellipse(Rect r) {
    const float cx = (r.x0 + r.x1) / 2, cy = (r.y0 + r.y1) / 2;
    const float rx = r.Width() / 2, ry = r.Height() / 2;
    return [=](float x, float y) {
        // Scaled to a unit circle, then back by the gradient's length: close
        // enough to the true distance for edges a pixel or two wide.
        const float dx = (x - cx) / rx, dy = (y - cy) / ry;
        const float k = std::hypot(dx, dy);
        const float gradient = std::hypot(dx / rx, dy / ry);
        return gradient > 0 ? (k - 1) * k / gradient : -std::min(rx, ry);
    };
}

Shape Stroke(float ax, float ay, float bx, float by, float width) {
    return [=](float x, float y) {
        const float vx = bx - ax, vy = by - ay;
        const float length2 = vx * vx + vy * vy;
        const float t =
            length2 > 0 ? std::clamp(((x - ax) * vx + (y - ay) * vy) / length2, 0.0f, 1.0f) : 0;
        return std::hypot(x - ax - t * vx, y - ay - t * vy) - width / 2;
    };
}

Shape Polygon(std::vector<std::pair<float, float>> corners) {
    float area = 0;
    for (size_t i = 0; i < corners.size(); ++i) {
        const auto [x0, y0] = corners[i];
        const auto [x1, y1] = corners[(i + 1) % corners.size()];
        area += x0 * y1 - x1 * y0;
    }
    if (area < 0)
        std::reverse(corners.begin(), corners.end());
    return [corners](float x, float y) {
        float d = -1e9f;
        for (size_t i = 0; i < corners.size(); ++i) {
            const auto [x0, y0] = corners[i];
            const auto [x1, y1] = corners[(i + 1) % corners.size()];
            const float ex = x1 - x0, ey = y1 - y0;
            const float length = std::hypot(ex, ey);
            if (length == 0)
                continue;
            // With the corners in this order, inside lies to the right of
            // every edge: the cross product is negative there.
            d = std::max(d, ((x - x0) * ey - (y - y0) * ex) / length);
        }
        return d;
    };
}

Shape Union(Shape a, Shape b) {
    return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}
Shape Intersect(Shape a, Shape b) {
    return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}
Shape Subtract(Shape a, Shape b) {
    return [=](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}
Shape Ring(Shape s, float width) {
    return [=](float x, float y) {
        const float d = s(x, y);
        return std::max(d, -d - width);
    };
}
Shape Offset(Shape s, float dx, float dy) {
    return [=](float x, float y) { return s(x - dx, y - dy); };
}

Paint Solid(Colour c) {
    return [c](float, float) { return c; };
}
Paint Vertical(Gradient g, float y0, float y1) {
    return [=](float, float y) { return g.At(y1 > y0 ? (y - y0) / (y1 - y0) : 0); };
}
Paint Horizontal(Gradient g, float x0, float x1) {
    return [=](float x, float) { return g.At(x1 > x0 ? (x - x0) / (x1 - x0) : 0); };
}

}  // namespace paint
