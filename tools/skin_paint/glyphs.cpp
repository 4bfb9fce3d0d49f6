#include "glyphs.h"

#include <algorithm>
#include <cmath>

namespace paint {
namespace {

// The largest centred square in the box, shrunk by `margin` on each side.
Rect Square(Rect box, float margin) {
    const float side = std::min(box.Width(), box.Height()) - 2 * margin;
    const float x = (box.x0 + box.x1 - side) / 2, y = (box.y0 + box.y1 - side) / 2;
    return {x, y, x + side, y + side};
}

// The outline of a rectangle drawn with a pen `weight` wide, heavier on top
// as a window's caption is.
Shape WindowOutline(Rect r, float weight) {
    const Shape outer = Box(r);
    const Shape inner = Box({r.x0 + weight, r.y0 + weight * 2, r.x1 - weight, r.y1 - weight});
    return Subtract(outer, inner);
}

}  // namespace

Shape CloseSign(Rect box, float weight) {
    const Rect s = Square(box, weight / 2);
    return Union(Stroke(s.x0, s.y0, s.x1, s.y1, weight), Stroke(s.x0, s.y1, s.x1, s.y0, weight));
}

Shape MaximiseSign(Rect box, float weight) {
    return WindowOutline(Square(box, 0), weight);
}

Shape RestoreSign(Rect box, float weight) {
    const Rect s = Square(box, 0);
    const float k = s.Width() * 0.7f;
    const Rect back{s.x1 - k, s.y0, s.x1, s.y0 + k};
    const Rect front{s.x0, s.y1 - k, s.x0 + k, s.y1};
    return Union(WindowOutline(front, weight), Subtract(WindowOutline(back, weight), Box(front)));
}

Shape MinimiseSign(Rect box, float weight) {
    const Rect s = Square(box, 0);
    return Box({s.x0, s.y1 - weight * 2, std::round(s.x0 + s.Width() * 0.75f), s.y1});
}

Shape Arrow(Rect box, Direction d) {
    const float cx = (box.x0 + box.x1) / 2, cy = (box.y0 + box.y1) / 2;
    const bool vertical = d == Direction::Up || d == Direction::Down;
    // A triangle twice as wide as it is deep.
    const float base = std::min(vertical ? box.Width() : box.Height(),
                                2 * (vertical ? box.Height() : box.Width()));
    const float half = base / 2, depth = base / 2;
    const float sign = d == Direction::Down || d == Direction::Right ? 1 : -1;
    if (vertical) {
        const float tip = cy + sign * depth / 2, back = cy - sign * depth / 2;
        return Polygon({{cx - half, back}, {cx + half, back}, {cx, tip}});
    }
    const float tip = cx + sign * depth / 2, back = cx - sign * depth / 2;
    return Polygon({{back, cy - half}, {back, cy + half}, {tip, cy}});
}

Shape CheckMark(Rect box, float weight) {
    const Rect s = Square(box, weight / 2);
    const float w = s.Width();
    const float kx = s.x0 + w * 0.38f, ky = s.y1 - w * 0.05f;
    return Union(Stroke(s.x0, s.y0 + w * 0.5f, kx, ky, weight),
                 Stroke(kx, ky, s.x1, s.y0 + w * 0.05f, weight));
}

Shape Dot(Rect box) {
    return Ellipse(Square(box, 0));
}

Shape Ridges(Rect box, bool across) {
    const float cx = (box.x0 + box.x1) / 2, cy = (box.y0 + box.y1) / 2;
    Shape ridges;
    for (int i = -1; i <= 1; ++i) {
        const Shape line = across
                               ? Box({box.x0, cy + i * 2.5f - 0.5f, box.x1, cy + i * 2.5f + 0.5f})
                               : Box({cx + i * 2.5f - 0.5f, box.y0, cx + i * 2.5f + 0.5f, box.y1});
        ridges = ridges ? Union(ridges, line) : line;
    }
    return ridges;
}

Shape SizeGrip(Rect box) {
    Shape dots;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col <= row; ++col) {
            const float x = box.x1 - 2.5f - 4 * col, y = box.y1 - 2.5f - 4 * (row - col);
            const Shape dot = Box({x - 1, y - 1, x + 1, y + 1});
            dots = dots ? Union(dots, dot) : dot;
        }
    }
    return dots;
}

}  // namespace paint
