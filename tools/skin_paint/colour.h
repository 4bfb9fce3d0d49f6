// Colours as the painter mixes them: floating point, so that gradients,
// gloss and anti-aliased edges lose nothing until the final 8-bit picture.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace paint {

struct Colour {
    float r = 0, g = 0, b = 0;  // 0 to 255

    friend Colour operator+(Colour a, Colour b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
    friend Colour operator*(Colour a, float k) { return {a.r * k, a.g * k, a.b * k}; }
    friend bool operator==(Colour, Colour) = default;
};

// `a` where t is 0, `b` where t is 1.
inline Colour Mix(Colour a, Colour b, float t) {
    return a * (1 - t) + b * t;
}

inline const Colour kWhite{255, 255, 255};
inline const Colour kBlack{0, 0, 0};

// Colours at positions from 0 to 1, in increasing order.
class Gradient {
  public:
    struct Stop {
        float at;
        Colour colour;
    };
    Gradient() = default;
    explicit Gradient(Colour solid) : stops_{{0, solid}} {}
    explicit Gradient(std::vector<Stop> stops) : stops_(std::move(stops)) {}

    Colour At(float t) const;

  private:
    std::vector<Stop> stops_;
};

}  // namespace paint
