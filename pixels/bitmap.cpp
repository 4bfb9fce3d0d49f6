#include "pixels/bitmap.h"

namespace pixels {

Bitmap::Bitmap(int width, int height, Pixel fill)
    : width_(width > 0 && height > 0 ? width : 0),
      height_(width > 0 && height > 0 ? height : 0),
      pixels_(static_cast<size_t>(width_) * height_, fill) {}

}  // namespace pixels
