#include "recorded_text.h"

#include <cstdio>

#include "text/utf8.h"

namespace preview {

skin::Size RecordedText::Measure(std::string_view text) const {
    // Full width for the CJK range and its punctuation, a little over half
    // for the rest.
    int width = 0;
    for (size_t at = 0; at < text.size();) {
        const char32_t c = text::utf8::Next(text, at);
        width += c >= 0x2E80 ? size_ : (size_ * 6 + 5) / 10;
    }
    return {width, size_};
}

void RecordedText::Draw(pixels::Bitmap&, skin::Rect box, std::string_view text, skin::Colour colour,
                        skin::TextAlign align) {
    const skin::Size size = Measure(text);
    int x = box.left;
    if (align == skin::TextAlign::Centre)
        x = box.left + (box.Width() - size.width) / 2;
    if (align == skin::TextAlign::Right)
        x = box.right - size.width;
    // The baseline, for a line centred in the box.
    const int y = box.top + (box.Height() - size_) / 2 + size_ * 7 / 8;
    std::string quoted;
    for (char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    char head[160];
    std::snprintf(head, sizeof head, "fill '#%02x%02x%02x' font-size %d font-weight %d text %d,%d ",
                  skin::ColourRed(colour), skin::ColourGreen(colour), skin::ColourBlue(colour),
                  size_, bold_ ? 700 : 400, x + dx_, y + dy_);
    *commands_ += head;
    *commands_ += "\"" + quoted + "\"\n";
}

}  // namespace preview
