// A picture of 24-bit colour in memory: what the skins' bitmaps become once
// loaded, and what the skin code composes for the window layer to blit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pixels {

// A pixel as 0x00RRGGBB, the byte order of a 32-bit Windows DIB, so a row of
// pixels can be handed to the system as it stands.
using Pixel = uint32_t;

constexpr Pixel MakePixel(uint8_t r, uint8_t g, uint8_t b) {
    return (Pixel{r} << 16) | (Pixel{g} << 8) | b;
}
constexpr uint8_t Red(Pixel p) {
    return static_cast<uint8_t>(p >> 16);
}
constexpr uint8_t Green(Pixel p) {
    return static_cast<uint8_t>(p >> 8);
}
constexpr uint8_t Blue(Pixel p) {
    return static_cast<uint8_t>(p);
}

// Pure magenta marks transparent pixels in the skins' pictures.
constexpr Pixel kMagenta = MakePixel(255, 0, 255);

class Bitmap {
  public:
    Bitmap() = default;
    Bitmap(int width, int height, Pixel fill = 0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }

    // Rows run from the top; (0, 0) is the top-left pixel.
    Pixel& At(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    Pixel At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    const Pixel* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
    Pixel* Row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }

    bool operator==(const Bitmap&) const = default;

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
};

}  // namespace pixels
