#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/report_queue.h"

namespace {

using ui::TFailureKind;

// Shows every waiting report at once, as the application window does, and
// answers their texts.
std::vector<std::string> ShowAll(ui::ReportQueue& queue) {
    std::vector<std::string> shown;
    while (auto report = queue.Next()) {
        shown.push_back(report->text);
        queue.Done(report->kind);
    }
    return shown;
}

}  // namespace

TEST(ReportQueue, AFailureThatRecursByItselfIsReportedOnce) {
    for (TFailureKind kind :
         {TFailureKind::Painting, TFailureKind::Timer, TFailureKind::Hook, TFailureKind::System}) {
        SCOPED_TRACE(static_cast<int>(kind));
        ui::ReportQueue queue;
        EXPECT_TRUE(queue.Add(kind, "broken"));
        // Waiting: neither the same failure nor another of its kind queues.
        EXPECT_FALSE(queue.Add(kind, "broken"));
        EXPECT_FALSE(queue.Add(kind, "other"));
        auto report = queue.Next();
        ASSERT_TRUE(report);
        EXPECT_EQ(report->text, "broken");
        // Showing: still nothing more of its kind.
        EXPECT_FALSE(queue.Add(kind, "other"));
        queue.Done(kind);
        // Dismissed: the same text never again (the repaint after the box
        // fails the same way); another failure is news.
        EXPECT_FALSE(queue.Add(kind, "broken"));
        EXPECT_TRUE(queue.Add(kind, "other"));
        // Commands are not held back, not even by a report of their text.
        EXPECT_TRUE(queue.Add(TFailureKind::Command, "other"));
        EXPECT_TRUE(queue.Add(TFailureKind::Command, "other"));
        EXPECT_EQ(ShowAll(queue), (std::vector<std::string>{"other", "other", "other"}));
    }
}
