#include "ui/thread_stack.h"

#include <windows.h>

#include <cstdint>

namespace ui {

namespace {

// What this function and the system calls it makes use of the stack lies
// within this much below its own frame; that part keeps its contents.
constexpr uintptr_t kInUseBelowFrame = 16 * 1024;

bool Writable(const MEMORY_BASIC_INFORMATION& region) {
    return region.State == MEM_COMMIT && (region.Protect & PAGE_GUARD) == 0 &&
           (region.Protect & (PAGE_READWRITE | PAGE_EXECUTE_READWRITE)) != 0;
}

}  // namespace

// Not inlined, so that its own frame lies below the caller's.
__attribute__((noinline)) void DiscardStackBelowCaller() {
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    const uintptr_t page = system.dwPageSize;
    const volatile char marker = 0;
    const uintptr_t top = (reinterpret_cast<uintptr_t>(&marker) - kInUseBelowFrame) & ~(page - 1);
    // The stack's committed pages below the frame, down to its guard page.
    uintptr_t bottom = top;
    MEMORY_BASIC_INFORMATION region;
    while (VirtualQuery(reinterpret_cast<void*>(bottom - 1), &region, sizeof region) &&
           Writable(region))
        bottom = reinterpret_cast<uintptr_t>(region.BaseAddress);
    if (bottom < top)
        VirtualAlloc(reinterpret_cast<void*>(bottom), top - bottom, MEM_RESET, PAGE_READWRITE);
}

}  // namespace ui
