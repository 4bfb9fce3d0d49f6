// The reports of failed callbacks waiting to be shown, and the rule that keeps
// a failure that recurs by itself (a paint, a timer, a hook) from opening box
// after box: a command's failure is reported every time; a failure of another
// kind is not reported while a report of its kind waits or shows, nor again
// with a text already reported.
#pragma once

#include <array>
#include <deque>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "ui/failure_kind.h"

namespace ui {

struct FailureReport {
    TFailureKind kind;
    std::string text;
};

class ReportQueue {
  public:
    // Queues the report of a failure; false when the rule above drops it.
    bool Add(TFailureKind kind, std::string text);
    // The oldest waiting report, taken off the queue; its kind counts as
    // showing until Done.
    std::optional<FailureReport> Next();
    // The report of that kind has been dismissed.
    void Done(TFailureKind kind);

  private:
    static constexpr size_t kKinds = 5;
    static size_t Index(TFailureKind kind) { return static_cast<size_t>(kind); }

    std::deque<FailureReport> waiting_;
    // Per kind: a report waits or shows.
    std::array<bool, kKinds> busy_{};
    std::set<std::pair<TFailureKind, std::string>> reported_;
};

}  // namespace ui
