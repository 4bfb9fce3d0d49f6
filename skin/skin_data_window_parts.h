// The two things a skin data keeps that only the window half can make: the
// caption font and the picture of the application's icon.
#pragma once

#include <memory>

#include "pixels/bitmap.h"
#include "skin/text_painter.h"

namespace skin {

using pixels::Bitmap;

class SkinDataWindowParts {
  public:
    virtual ~SkinDataWindowParts() = default;

    // A painter in the caption font of the system's non-client metrics.
    virtual std::unique_ptr<TextPainter> MakeCaptionFont() = 0;
    // The application window's small icon (the big one scaled when there is
    // no small one) at the system's small-icon size, on magenta.
    virtual Bitmap MakeApplicationIcon() = 0;
};

}  // namespace skin
