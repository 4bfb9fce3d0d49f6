// What a skin data keeps that only the window half can make: a painter in
// the system's caption font and the picture of the application's icon.
#pragma once

#include "skin/skin_data_window_parts.h"

namespace skin::window {

class Win32WindowParts : public SkinDataWindowParts {
  public:
    std::unique_ptr<TextPainter> MakeCaptionFont() override;
    Bitmap MakeApplicationIcon() override;
};

}  // namespace skin::window
