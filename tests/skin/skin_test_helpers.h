// Helpers shared by the skin tests: byte strings, numbered pictures and a
// text painter that records what it is asked to draw.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "pixels/bitmap.h"
#include "skin/memory_stream.h"
#include "skin/text_painter.h"

namespace skintest {

inline std::vector<uint8_t> Bytes(std::string_view s) {
    return {s.begin(), s.end()};
}

inline void Skip(skin::MemoryStream& s, size_t n) {
    std::vector<uint8_t> buffer(n);
    s.Read(buffer);
}

// A bitmap whose pixel (x, y) is MakePixel(x, y, 7), so every pixel says
// where it came from.
inline pixels::Bitmap Numbered(int w, int h) {
    pixels::Bitmap b(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            b.At(x, y) = pixels::MakePixel(x, y, 7);
    }
    return b;
}

// Records the lines it is asked to draw; every byte is 6 pixels wide (or
// as wide as asked) and every line 12 high.
class RecordingText : public skin::TextPainter {
  public:
    explicit RecordingText(int byteWidth = 6) : byteWidth_(byteWidth) {}

    struct Line {
        skin::Rect box;
        std::string text;
        skin::Colour colour;
        skin::TextAlign align;
    };
    skin::Size Measure(std::string_view text) const override {
        return {byteWidth_ * static_cast<int>(text.size()), 12};
    }
    void Draw(pixels::Bitmap&, skin::Rect box, std::string_view text, skin::Colour colour,
              skin::TextAlign align) override {
        lines.push_back({box, std::string(text), colour, align});
    }
    std::vector<Line> lines;

  private:
    int byteWidth_;
};

}  // namespace skintest
