// A thread's stack pages below the frame that is running.
#pragma once

namespace ui {

// Gives the pages of the calling thread's stack below the caller's frame
// back to the system; they read as zeros when the stack grows into them
// again. A thread that ends keeps its stack until the system frees it: Wine
// frees it only when the next thread ends, and has zeroed close to 1 MB of
// every new thread's stack, so a thread that did its work calls this last.
void DiscardStackBelowCaller();

}  // namespace ui
