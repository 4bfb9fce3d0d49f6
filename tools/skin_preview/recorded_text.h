// Text for the preview pictures. The preview has no fonts of its own: it
// estimates the size of each line as a 12-pixel CJK font sets it and
// records where each line goes, as ImageMagick drawing commands that lay
// the text over the composed picture.
#pragma once

#include <string>

#include "skin/text_painter.h"

namespace preview {

class RecordedText : public skin::TextPainter {
  public:
    // `size` is the font's height in pixels; (dx, dy) moves what is recorded
    // from the composed bitmap into the final picture.
    RecordedText(int size, bool bold, std::string* commands)
        : size_(size), bold_(bold), commands_(commands) {}

    void MoveBy(int dx, int dy) {
        dx_ = dx;
        dy_ = dy;
    }

    skin::Size Measure(std::string_view text) const override;
    void Draw(pixels::Bitmap& target, skin::Rect box, std::string_view text, skin::Colour colour,
              skin::TextAlign align) override;

  private:
    int size_;
    bool bold_;
    std::string* commands_;
    int dx_ = 0, dy_ = 0;
};

}  // namespace preview
