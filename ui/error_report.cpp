#include "ui/error_report.h"

#include <exception>

#include "ui/error_report_text.h"
#include "ui/message.h"
#include "ui/report_queue.h"
#include "ui/wide_text.h"

namespace ui {
namespace {

std::string& Caption() {
    static std::string caption;
    return caption;
}

HWND g_reportWindow = nullptr;

ReportQueue& Queue() {
    static ReportQueue queue;
    return queue;
}

// The text of the exception being handled.
std::string CurrentExceptionText() {
    try {
        throw;
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "未知错误";
    }
}

}  // namespace

void SetErrorReportCaption(std::string caption) {
    Caption() = std::move(caption);
}

void SetErrorReportWindow(HWND window) {
    g_reportWindow = window;
}

void ReportError(std::string_view text) {
    HWND owner = GetActiveWindow();
    MessageBoxW(owner, Widen(ErrorReportText(text)).c_str(), Widen(Caption()).c_str(),
                MB_OK | MB_ICONSTOP);
}

void ReportCurrentException() noexcept {
    try {
        ReportError(CurrentExceptionText());
    } catch (...) {
        // Not even the report could be shown (no memory left): the program
        // goes on all the same.
    }
}

void ReportFailureLater(TFailureKind kind) noexcept {
    try {
        if (!Queue().Add(kind, CurrentExceptionText()))
            return;
        if (!g_reportWindow || !PostMessageW(g_reportWindow, CM_ERRORREPORT, 0, 0))
            ShowNextErrorReport();
    } catch (...) {
        // No memory left for the report: the failure goes unreported.
    }
}

void ShowNextErrorReport() noexcept {
    std::optional<FailureReport> report;
    try {
        report = Queue().Next();
        if (report)
            ReportError(report->text);
    } catch (...) {
        // As in ReportCurrentException.
    }
    if (report)
        Queue().Done(report->kind);
}

}  // namespace ui
