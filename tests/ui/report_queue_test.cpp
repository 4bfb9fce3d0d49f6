#include <gtest/gtest.h>

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

TEST(ReportQueue, EveryFailedCommandIsReportedInTurn) {
    ui::ReportQueue queue;
    EXPECT_TRUE(queue.Add(TFailureKind::Command, "a"));
    EXPECT_TRUE(queue.Add(TFailureKind::Command, "a"));
    EXPECT_TRUE(queue.Add(TFailureKind::Command, "b"));
    EXPECT_EQ(ShowAll(queue), (std::vector<std::string>{"a", "a", "b"}));
    EXPECT_TRUE(queue.Add(TFailureKind::Command, "a"));
    EXPECT_EQ(ShowAll(queue), (std::vector<std::string>{"a"}));
}

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
        EXPECT_EQ(ShowAll(queue), (std::vector<std::string>{"other"}));
    }
}

TEST(ReportQueue, KindsDoNotHoldEachOtherBack) {
    ui::ReportQueue queue;
    EXPECT_TRUE(queue.Add(TFailureKind::Painting, "p"));
    EXPECT_TRUE(queue.Add(TFailureKind::Timer, "p"));
    EXPECT_TRUE(queue.Add(TFailureKind::Command, "c"));
    EXPECT_FALSE(queue.Add(TFailureKind::Painting, "p2"));
    EXPECT_EQ(ShowAll(queue), (std::vector<std::string>{"p", "p", "c"}));
    EXPECT_FALSE(queue.Add(TFailureKind::Timer, "p"));
    EXPECT_FALSE(queue.Next());
}
