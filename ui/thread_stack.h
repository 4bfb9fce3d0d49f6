// A thread's stack pages below the frame that is running.
#pragma once

namespace ui {

// Gives the pages of the calling thread's stack below the caller's frame
// back to the system; they stay the thread's, without their contents, for
// the stack to grow into again. A thread that ends keeps its stack until the
// system frees it: Wine frees it only when the next thread ends, and has
// zeroed close to 1 MB of every new thread's stack, so a thread that did its
// work calls this last.
void DiscardStackBelowCaller();

}  // namespace ui
