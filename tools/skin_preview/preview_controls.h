// The controls picture: every kind of control the skin draws, in a few of
// their states, composed by the same functions the window layer paints
// them with, on the skin's button face.
#pragma once

#include <string>

#include "pixels/bitmap.h"
#include "skin/skin_definition.h"

namespace preview {

struct ControlsPicture {
    pixels::Bitmap picture;
    // ImageMagick drawing commands (MVG) that write the text.
    std::string text;
};

ControlsPicture ComposeControls(const skin::SkinDefinition& skin);

}  // namespace preview
