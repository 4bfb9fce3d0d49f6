// The application-wide error report: a failing command ends at the failing
// step, its error's text is shown in a message box captioned with the
// application's title (OK button, stop icon), and the program goes on.
#pragma once

#include <string>
#include <string_view>

namespace ui {

void SetErrorReportCaption(std::string caption);

// Shows the report for an error text.
void ReportError(std::string_view text);

// Shows the report for the exception being handled; call inside a catch.
void ReportCurrentException() noexcept;

}  // namespace ui
