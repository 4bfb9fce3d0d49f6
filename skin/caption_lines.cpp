#include "skin/caption_lines.h"

#include <algorithm>

namespace skin {

std::vector<std::string> CaptionLines(std::string_view caption) {
    std::vector<std::string> lines;
    if (caption.empty())
        return lines;
    for (;;) {
        const size_t bar = caption.find("||");
        lines.emplace_back(caption.substr(0, bar));
        if (bar == std::string_view::npos)
            return lines;
        caption.remove_prefix(bar + 2);
    }
}

Size MeasureLines(const std::vector<std::string>& lines, const TextPainter& font) {
    Size block;
    for (const std::string& line : lines) {
        const Size s = font.Measure(line);
        block.width = std::max(block.width, s.width);
        block.height += s.height;
    }
    return block;
}

void DrawLines(Bitmap& target, Rect block, const std::vector<std::string>& lines, Colour colour,
               TextAlign align, TextPainter& font) {
    int top = block.top;
    for (const std::string& line : lines) {
        const int height = font.Measure(line).height;
        font.Draw(target, {block.left, top, block.right, top + height}, line, colour, align);
        top += height;
    }
}

}  // namespace skin
