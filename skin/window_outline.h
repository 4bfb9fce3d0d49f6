// The outline of a skinned window: the pixels its region keeps. Border
// pictures with magenta at their outer corners give rounded corners.
#pragma once

#include <cstdint>
#include <vector>

#include "skin/frame_metrics.h"
#include "skin/geometry.h"
#include "skin/skin_definition.h"

namespace skin {

// Which pixels of a window belong to it, row by row from the top.
class PixelMask {
  public:
    PixelMask(Size size, bool inside);

    Size GetSize() const { return size_; }
    bool Contains(int x, int y) const { return bits_[Index(x, y)] != 0; }
    void Set(int x, int y, bool inside) { bits_[Index(x, y)] = inside ? 1 : 0; }
    void SetRect(Rect r, bool inside);

  private:
    size_t Index(int x, int y) const { return static_cast<size_t>(y) * size_.width + x; }

    Size size_;
    std::vector<uint8_t> bits_;
};

// When none of the left, right and top borders is drawn transparent the
// whole rectangle. Otherwise the client area, and for each border that is
// drawn transparent (the bottom one only when at least 2 pixels high) the
// pixels of its painted state that are not exactly magenta, for the others
// their whole rectangle.
PixelMask BuildWindowOutline(const SkinDefinition& skin, const FrameMetrics& m, FrameKind kind,
                             Size window, bool active);

}  // namespace skin
