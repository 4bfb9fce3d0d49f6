#include "ui/error_report_text.h"

namespace ui {

std::string ErrorReportText(std::string_view message) {
    std::string text(message);
    if (text.empty())
        return text;
    // A UTF-8 character beyond ASCII is a GBK character whose lead byte is
    // 0x81 or above, so it sorts after "." too.
    const unsigned char last = static_cast<unsigned char>(text.back());
    if (last >= 0x80 || last > '.')
        text += '.';
    return text;
}

}  // namespace ui
