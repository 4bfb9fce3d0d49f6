// Rectangles, sizes and margins in pixels, as the skin code measures pictures.
#pragma once

namespace skin {

struct Size {
    int width = 0;
    int height = 0;

    bool operator==(const Size&) const = default;
};

struct Point {
    int x = 0;
    int y = 0;

    bool operator==(const Point&) const = default;
};

// Left and top inclusive, right and bottom exclusive, like a Windows RECT.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Empty() const { return right <= left || bottom <= top; }
    bool Contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }

    bool operator==(const Rect&) const = default;
};

// The fixed border widths of a picture that nine-slice drawing keeps unscaled.
struct Margins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const Margins&) const = default;
};

}  // namespace skin
