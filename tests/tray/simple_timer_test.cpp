#include <gtest/gtest.h>

#include <memory>

#include "message_pump.h"
#include "tray/simple_timer.h"

TEST(SimpleTimer, StartsDisabledWithASecond) {
    TSimpleTimer timer;
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 1000u);
    EXPECT_FALSE(timer.OnTimer());
}

TEST(SimpleTimer, TheSharedWindowLivesAsLongAsATimer) {
    EXPECT_EQ(TSimpleTimerHandler::Instance(), nullptr);
    {
        TSimpleTimer first;
        ASSERT_NE(TSimpleTimerHandler::Instance(), nullptr);
        const HWND window = TSimpleTimerHandler::Instance()->Handle();
        EXPECT_TRUE(IsWindow(window));
        EXPECT_FALSE(IsWindowVisible(window));
        {
            TSimpleTimer second(20, nullptr);
            EXPECT_EQ(TSimpleTimerHandler::Instance()->RefCount(), 2u);
            EXPECT_NE(first.Id(), second.Id());
        }
        EXPECT_EQ(TSimpleTimerHandler::Instance()->RefCount(), 1u);
        EXPECT_EQ(TSimpleTimerHandler::Instance()->Handle(), window);
    }
    EXPECT_EQ(TSimpleTimerHandler::Instance(), nullptr);
}

TEST(SimpleTimer, TicksWithItselfAsSender) {
    int ticks = 0;
    TSimpleTimer* seen = nullptr;
    TSimpleTimer timer(10, [&](TSimpleTimer& sender) {
        ++ticks;
        seen = &sender;
    });
    timer.SetEnabled(true);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
    EXPECT_EQ(seen, &timer);
    timer.SetEnabled(false);
    const int stopped = ticks;
    PumpFor(60);
    EXPECT_EQ(ticks, stopped);
}

TEST(SimpleTimer, DoesNotStartWithoutAnInterval) {
    TSimpleTimer timer(0, [](TSimpleTimer&) {});
    EXPECT_FALSE(timer.Start());
    timer.SetEnabled(true);
    EXPECT_FALSE(timer.Enabled());
}

TEST(SimpleTimer, AZeroIntervalPausesAnEnabledTimer) {
    int ticks = 0;
    TSimpleTimer timer(10, [&](TSimpleTimer&) { ++ticks; });
    timer.SetEnabled(true);
    timer.SetInterval(0);
    EXPECT_TRUE(timer.Enabled());
    PumpFor(60);
    EXPECT_EQ(ticks, 0);
    timer.SetInterval(10);
    EXPECT_TRUE(PumpUntil([&] { return ticks > 0; }));
}

TEST(SimpleTimer, RemovingTheCallbackPausesTheTimer) {
    int ticks = 0;
    TSimpleTimer timer(10, [&](TSimpleTimer&) { ++ticks; });
    timer.SetEnabled(true);
    timer.SetOnTimer(nullptr);
    EXPECT_TRUE(timer.Enabled());
    timer.SetOnTimer([&](TSimpleTimer&) { ++ticks; });
    PumpFor(60);
    EXPECT_EQ(ticks, 0);
    timer.Start();
    EXPECT_TRUE(PumpUntil([&] { return ticks > 0; }));
}

TEST(SimpleTimer, IgnoresATickForNoTimer) {
    int ticks = 0;
    TSimpleTimer timer(10, [&](TSimpleTimer&) { ++ticks; });
    SendMessageW(TSimpleTimerHandler::Instance()->Handle(), WM_TIMER, timer.Id() + 1000, 0);
    EXPECT_EQ(ticks, 0);
    SendMessageW(TSimpleTimerHandler::Instance()->Handle(), WM_TIMER, timer.Id(), 0);
    EXPECT_EQ(ticks, 1);
}

TEST(SimpleTimer, MayBeDestroyedByItsOwnTick) {
    auto timer = std::make_unique<TSimpleTimer>();
    timer->SetOnTimer([&](TSimpleTimer&) { timer.reset(); });
    timer->SetInterval(10);
    timer->SetEnabled(true);
    EXPECT_TRUE(PumpUntil([&] { return timer == nullptr; }));
    EXPECT_EQ(TSimpleTimerHandler::Instance(), nullptr);
}
