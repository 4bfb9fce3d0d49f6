// The application-wide error report: a failing command ends at the failing
// step, its error's text is shown in a message box captioned with the
// application's title (OK button, stop icon), and the program goes on.
//
// A failure inside a Win32 callback (a window procedure, a hook, a timer) is
// never shown from inside that callback: a message box runs a message loop of
// its own, in which the same paint or tick would fail again and again. The
// callback queues the report and posts it to the report window (the
// application window), whose message loop shows it once the callback has
// returned; ReportQueue keeps a failure that recurs by itself to one box.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "ui/failure_kind.h"

namespace ui {

void SetErrorReportCaption(std::string caption);
// The window that is posted CM_ERRORREPORT for each queued report and
// answers it with ShowNextErrorReport; null for none (reports then show at
// once).
void SetErrorReportWindow(HWND window);

// Shows the report for an error text now.
void ReportError(std::string_view text);
// Shows the report for the exception being handled now; call inside a catch,
// where no callback is running that could fail again (start-up, close).
void ReportCurrentException() noexcept;

// Queues the report of the exception being handled, a failure of `kind`;
// call inside the catch of a Win32 callback.
void ReportFailureLater(TFailureKind kind) noexcept;
// Shows the oldest queued report, if any.
void ShowNextErrorReport() noexcept;

// Runs the body of a Win32 callback (a hook or window procedure of a module
// of its own): whatever it throws stops at the callback's edge, is reported
// as a failure of `kind`, and the callback answers `failed`.
template <class Result, class Body>
Result RunCallback(TFailureKind kind, Result failed, Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        ReportFailureLater(kind);
        return failed;
    }
}

}  // namespace ui
