#include "output/plain_text_file.h"

#include "text/gbk_text.h"

namespace output {

std::string PlainTextFileBytes(std::string_view text) {
    std::string lines;
    lines.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            lines += "\r\n";
        } else {
            lines += text[i];
        }
    }
    return text::gbk::FromUtf8(lines);
}

}  // namespace output
