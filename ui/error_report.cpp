#include "ui/error_report.h"

#include <windows.h>

#include <exception>

#include "ui/error_report_text.h"
#include "ui/wide_text.h"

namespace ui {
namespace {

std::string& Caption() {
    static std::string caption;
    return caption;
}

}  // namespace

void SetErrorReportCaption(std::string caption) {
    Caption() = std::move(caption);
}

void ReportError(std::string_view text) {
    HWND owner = GetActiveWindow();
    MessageBoxW(owner, Widen(ErrorReportText(text)).c_str(), Widen(Caption()).c_str(),
                MB_OK | MB_ICONSTOP);
}

void ReportCurrentException() noexcept {
    try {
        try {
            throw;
        } catch (const std::exception& e) {
            ReportError(e.what());
        } catch (...) {
            ReportError("未知错误");
        }
    } catch (...) {
        // Not even the report could be shown (no memory left): the program
        // goes on all the same.
    }
}

}  // namespace ui
