#include "ui/report_queue.h"

namespace ui {

bool ReportQueue::Add(TFailureKind kind, std::string text) {
    if (kind != TFailureKind::Command) {
        if (busy_[Index(kind)] || !reported_.emplace(kind, text).second)
            return false;
        busy_[Index(kind)] = true;
    }
    waiting_.push_back({kind, std::move(text)});
    return true;
}

std::optional<FailureReport> ReportQueue::Next() {
    if (waiting_.empty())
        return std::nullopt;
    FailureReport report = std::move(waiting_.front());
    waiting_.pop_front();
    return report;
}

void ReportQueue::Done(TFailureKind kind) {
    busy_[Index(kind)] = false;
}

}  // namespace ui
