// A thread giving back the stack pages below its frame, under Wine: the pages
// leave the working set and the thread goes on using its stack.
#include "ui/thread_stack.h"

#include <windows.h>

#include <psapi.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <thread>

namespace {

bool InWorkingSet(uintptr_t address) {
    PSAPI_WORKING_SET_EX_INFORMATION page{};
    page.VirtualAddress = reinterpret_cast<void*>(address);
    return QueryWorkingSetEx(GetCurrentProcess(), &page, sizeof page) &&
           page.VirtualAttributes.Valid;
}

// Writes `frames` frames of 16 KB each onto the stack; gives the address
// of the deepest and the sum of what the frames hold, which only a stack
// that keeps what is written to it gives right.
__attribute__((noinline)) uintptr_t FillStack(int frames, uint64_t& sum) {
    volatile unsigned char block[16 * 1024];
    for (size_t i = 0; i < sizeof block; i += 512)
        block[i] = static_cast<unsigned char>(frames);
    if (frames == 1) {
        sum = 0;
        return reinterpret_cast<uintptr_t>(&block[0]);
    }
    const uintptr_t deepest = FillStack(frames - 1, sum);
    for (size_t i = 0; i < sizeof block; i += 512)
        sum += block[i];
    return deepest;
}

constexpr int kFrames = 32;  // 512 KB
constexpr uint64_t kSum = (16 * 1024 / 512) * (kFrames * (kFrames + 1) / 2 - 1);

TEST(ThreadStack, PagesBelowTheCallerLeaveTheWorkingSetAndTheStackStillWorks) {
    std::thread thread([] {
        uint64_t sum = 0;
        const uintptr_t deepest = FillStack(kFrames, sum);
        EXPECT_EQ(sum, kSum);
        ASSERT_TRUE(InWorkingSet(deepest));
        const volatile char here = 0;
        const uintptr_t frame = reinterpret_cast<uintptr_t>(&here);

        ui::DiscardStackBelowCaller();
        EXPECT_FALSE(InWorkingSet(deepest));
        EXPECT_FALSE(InWorkingSet(frame - 64 * 1024));
        EXPECT_TRUE(InWorkingSet(frame)) << "the caller's own frame";

        EXPECT_EQ(FillStack(kFrames, sum), deepest);
        EXPECT_EQ(sum, kSum);
        EXPECT_TRUE(InWorkingSet(deepest));
    });
    thread.join();
}

}  // namespace
