// The text of the application-wide error report.
#pragma once

#include <string>
#include <string_view>

namespace ui {

// The error's text with a full stop appended when its last character sorts
// after "." (as the program's GBK bytes compare: every Chinese character does).
std::string ErrorReportText(std::string_view message);

}  // namespace ui
